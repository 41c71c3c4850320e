# Installing VORN and packaging it for Debian with CPack.
#
# `cmake --install` puts bin/vorn, the desktop entry, the AppStream metainfo
# and the hicolor icons under the prefix; `make package` (the CPack `package` target) builds
# vorn_<version>_<arch>.deb in the build directory. A Windows build packs a
# zip instead (cmake/WindowsPackaging.cmake).
include(${PROJECT_SOURCE_DIR}/cmake/DesktopIdentity.cmake)
if(WIN32)
  include(${PROJECT_SOURCE_DIR}/cmake/WindowsPackaging.cmake)
  return()
elseif(EMSCRIPTEN)
  # The web build's one product is its folder (src/app/web).
  return()
endif()
include(GNUInstallDirs)

# The program target exists only when the Qt window is built.
if(TARGET vorn)
  install(TARGETS vorn RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()

install(FILES ${VORN_DESKTOP_ENTRY} DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${VORN_METAINFO} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size ${VORN_ICON_THEME_SIZES})
  install(FILES ${VORN_ICON_PNG_${size}}
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          RENAME ${VORN_APP_ID}.png)
endforeach()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vorn)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Animation of two piston-and-crank mechanisms")
set(CPACK_PACKAGE_DESCRIPTION
    "VORN animates two piston-and-crank mechanisms side by side, frame by frame, in one window. The operator steps, runs and paces the animation from the keyboard and the mouse.")
set(CPACK_PACKAGE_CONTACT "VORN developers <vorn@localhost>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
# The libraries the program links (Qt Widgets, Gui, Core, the C++ runtime)
# come from dpkg-shlibdeps. The Qt platform plug-ins are loaded at run time,
# so no linker dependency names them, and the Qt Gui package only recommends
# them: without qt6-qpa-plugins the program cannot open its window.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
# From Qt 6.5 on, Qt's Wayland plug-in follows a compositor's fractional
# scale, so the program runs natively where the session is Wayland. Qt 6.4's
# has only whole-number scales, and there X11 serves better: no plug-in is
# recommended.
if(TARGET vorn)
  find_package(Qt6 REQUIRED COMPONENTS Core)
  if(Qt6_VERSION VERSION_GREATER_EQUAL 6.5)
    set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
  endif()
endif()

include(CPack)
