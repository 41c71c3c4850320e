# Include roots of each library's own, so that a target sees the headers of
# what it links and nothing else: reaching past a boundary fails to compile.
#
#   vorn_public_headers(<target> <header>...)
#       the headers the target's users include; its users see them through
#       the target's usage requirements.
#   vorn_private_headers(<target> <header>...)
#       the headers only the target's own sources include.
#   vorn_see_private_headers(<target> <library>)
#       lets a test of <library>'s inner parts include its private headers.
#
# Headers stay beside their sources and keep their include paths: the path
# below src/ or tools/ ("frames/palette.hpp", "vorn-icon/ico_encoder.hpp").
# A root holds links to the headers, or copies where the file system has no
# links (a copied header reconfigures the build when it changes).

function(_vorn_fill_header_root root)
  file(REMOVE_RECURSE ${root})
  foreach(header IN LISTS ARGN)
    get_filename_component(source ${header} ABSOLUTE BASE_DIR ${CMAKE_CURRENT_SOURCE_DIR})
    if(NOT EXISTS ${source})
      message(FATAL_ERROR "no header ${source}")
    endif()
    file(RELATIVE_PATH path ${PROJECT_SOURCE_DIR} ${source})
    string(REGEX REPLACE "^(src|tools)/" "" path ${path})
    get_filename_component(folder ${root}/${path} DIRECTORY)
    file(MAKE_DIRECTORY ${folder})
    file(CREATE_LINK ${source} ${root}/${path} RESULT linked SYMBOLIC)
    if(NOT linked STREQUAL "0")
      configure_file(${source} ${root}/${path} COPYONLY)
    endif()
  endforeach()
endfunction()

function(vorn_public_headers target)
  set(root ${CMAKE_BINARY_DIR}/include/${target})
  _vorn_fill_header_root(${root} ${ARGN})
  get_target_property(type ${target} TYPE)
  if(type STREQUAL "INTERFACE_LIBRARY")
    target_include_directories(${target} INTERFACE ${root})
  else()
    target_include_directories(${target} PUBLIC ${root})
  endif()
endfunction()

function(vorn_private_headers target)
  set(root ${CMAKE_BINARY_DIR}/include-private/${target})
  _vorn_fill_header_root(${root} ${ARGN})
  target_include_directories(${target} PRIVATE ${root})
endfunction()

function(vorn_see_private_headers target library)
  target_include_directories(${target} PRIVATE ${CMAKE_BINARY_DIR}/include-private/${library})
endfunction()
