# Packaging VORN for Windows with CPack: vorn-<version>-win64.zip in the build
# directory, holding a folder with vorn.exe and README.txt. The program is
# linked statically, so the folder is all it needs.

set(VORN_WINDOWS_README "${PROJECT_BINARY_DIR}/packaging/README.txt")
# Windows line ends, so that any Notepad shows the lines as lines.
configure_file(${PROJECT_SOURCE_DIR}/packaging/windows-readme.txt.in ${VORN_WINDOWS_README}
               @ONLY NEWLINE_STYLE CRLF)

if(TARGET vorn)
  install(TARGETS vorn RUNTIME DESTINATION .)
endif()
install(FILES ${VORN_WINDOWS_README} DESTINATION .)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME vorn)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_FILE_NAME "vorn-${PROJECT_VERSION}-win64")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Animation of two piston-and-crank mechanisms")
set(CPACK_STRIP_FILES ON)

include(CPack)
