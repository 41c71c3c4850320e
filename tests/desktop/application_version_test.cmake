# The application version's formatting, run with `cmake -P`:
#   cmake -P application_version_test.cmake                    the table below
#   cmake -DMAJOR=<m> -DMINOR=<n> -P application_version_test.cmake
#                                                              prints one version
include(${CMAKE_CURRENT_LIST_DIR}/../../cmake/ApplicationVersion.cmake)

if(DEFINED MINOR)
  vorn_application_version(version "${MAJOR}" "${MINOR}")
  message(STATUS "application version ${version}")
  return()
endif()

set(failures 0)
foreach(case "1;0;1.00" "2;5;2.05" "1;9;1.09" "1;12;1.12" "3;99;3.99" "10;10;10.10")
  list(GET case 0 major)
  list(GET case 1 minor)
  list(GET case 2 expected)
  vorn_application_version(version ${major} ${minor})
  if(NOT version STREQUAL expected)
    message(SEND_ERROR "${major}.${minor} reads \"${version}\", expected \"${expected}\"")
    math(EXPR failures "${failures} + 1")
  endif()
endforeach()
if(failures GREATER 0)
  message(FATAL_ERROR "${failures} application version case(s) failed")
endif()
