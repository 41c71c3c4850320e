# The program's identity on the desktop: its application ID, its application
# version, its icon files, its desktop entry and software-centre listing and,
# on Windows, its version record. Everything derives from the
# version given to project() in the top CMakeLists.txt.
#
# Including this file more than once is harmless: it only sets variables,
# configures two files and defines a function.

# Sets the VORN_* variables below in the calling scope. A macro, so that
# vorn_attach_desktop_identity() sees them even when called from a
# directory that did not include this file itself.
include(${CMAKE_CURRENT_LIST_DIR}/ApplicationVersion.cmake)

macro(vorn_set_desktop_identity_variables)
  vorn_application_version(VORN_APPLICATION_VERSION "${PROJECT_VERSION_MAJOR}" "${PROJECT_VERSION_MINOR}")

  # The version record needs four numbers; a missing patch or tweak reads 0.
  foreach(part MAJOR MINOR PATCH TWEAK)
    if("${PROJECT_VERSION_${part}}" STREQUAL "")
      set(VORN_VERSION_${part} 0)
    else()
      set(VORN_VERSION_${part} ${PROJECT_VERSION_${part}})
    endif()
  endforeach()

  # The application ID, in the reverse-DNS form that desktop entries and
  # AppStream listings name applications by. It names the desktop entry, the metainfo and the
  # theme icon, and is Qt's desktop file name, hence the Wayland app_id that a
  # compositor matches to the entry. The project owns no domain; example.org
  # is reserved (RFC 2606) and so can never name someone else's program.
  set(VORN_APP_ID "org.example.vorn")
  # The day this version was released, for the software centre's listing.
  set(VORN_RELEASE_DATE "2026-12-09")

  # Written by tools/vorn-icon at build time (target vorn_icon_files): the
  # icon file, and a PNG for the hicolor theme at each size a Linux desktop
  # draws a launcher or window icon at.
  set(VORN_ICON_DIR "${PROJECT_BINARY_DIR}/icons")
  set(VORN_ICON_FILE "${VORN_ICON_DIR}/vorn.ico")
  set(VORN_ICON_THEME_SIZES 16 24 32 48 64 128 256)
  set(VORN_ICON_THEME_PNGS "")
  foreach(size ${VORN_ICON_THEME_SIZES})
    set(VORN_ICON_PNG_${size} "${VORN_ICON_DIR}/vorn-${size}.png")
    list(APPEND VORN_ICON_THEME_PNGS "${VORN_ICON_PNG_${size}}")
  endforeach()

  set(VORN_MANIFEST_FILE "${PROJECT_SOURCE_DIR}/packaging/vorn.exe.manifest")
  set(VORN_RESOURCE_SCRIPT "${PROJECT_BINARY_DIR}/packaging/vorn.rc")
  set(VORN_DESKTOP_ENTRY "${PROJECT_BINARY_DIR}/packaging/${VORN_APP_ID}.desktop")
  set(VORN_METAINFO "${PROJECT_BINARY_DIR}/packaging/${VORN_APP_ID}.metainfo.xml")
endmacro()

vorn_set_desktop_identity_variables()
configure_file(${PROJECT_SOURCE_DIR}/packaging/vorn.rc.in ${VORN_RESOURCE_SCRIPT} @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/packaging/vorn.desktop.in ${VORN_DESKTOP_ENTRY} @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/packaging/vorn.metainfo.xml.in ${VORN_METAINFO} @ONLY)

# vorn_attach_desktop_identity(<target>): gives the program target
#  - the compile definitions VORN_APPLICATION_VERSION="1.00" (for
#    QCoreApplication::setApplicationVersion) and VORN_APP_ID (for
#    QGuiApplication::setDesktopFileName),
#  - on Windows, the resource script with the version record and vorn.ico,
#  - elsewhere, a Qt resource with the window icon at :/icons/vorn-16.png and
#    :/icons/vorn-32.png; there the caller must have found Qt 6 (Core) in its
#    own directory.
function(vorn_attach_desktop_identity target)
  vorn_set_desktop_identity_variables()
  if(NOT TARGET vorn_icon_files)
    message(FATAL_ERROR "vorn_attach_desktop_identity: tools/vorn-icon must be added before ${target}")
  endif()
  target_compile_definitions(${target} PRIVATE VORN_APPLICATION_VERSION="${VORN_APPLICATION_VERSION}"
                                               VORN_APP_ID="${VORN_APP_ID}")
  add_dependencies(${target} vorn_icon_files)

  if(WIN32)
    target_sources(${target} PRIVATE ${VORN_RESOURCE_SCRIPT})
    # The script names vorn.ico and the manifest; recompile it whenever
    # either changes.
    set_source_files_properties(${VORN_RESOURCE_SCRIPT} PROPERTIES OBJECT_DEPENDS
      "${VORN_ICON_FILE};${VORN_MANIFEST_FILE}")
  else()
    set_source_files_properties(${VORN_ICON_PNG_16} ${VORN_ICON_PNG_32} PROPERTIES GENERATED TRUE)
    qt_add_resources(${target} "${target}_icons"
      PREFIX "/icons"
      BASE "${VORN_ICON_DIR}"
      FILES "${VORN_ICON_PNG_16}" "${VORN_ICON_PNG_32}")
  endif()
endfunction()
