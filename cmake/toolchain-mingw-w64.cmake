# Cross-compiles VORN for 64-bit Windows with Debian's MinGW-w64 and runs what
# it builds (the frame and icon generators, the tests) under Wine.
#
#   cmake --preset windows
#
# The posix-thread compilers, because only they give C++ <thread>, <mutex>
# and std::this_thread that the core and GoogleTest use.

set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(VORN_MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${VORN_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VORN_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${VORN_MINGW_TRIPLET}-windres)

# Look for the target's headers and libraries only in the MinGW tree, never in
# the host's (the host's GoogleTest, libpng or Qt would link and then fail).
set(CMAKE_FIND_ROOT_PATH /usr/${VORN_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Everything the compiler brings is linked in, so that vorn.exe (and every
# test) needs no DLL that Windows itself does not ship.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# Build-time tools and tests run under Wine, in a prefix of the build's own
# that the wrapper creates on first use.
get_filename_component(VORN_WINE_WRAPPER "${CMAKE_CURRENT_LIST_DIR}/../scripts/run-under-wine.sh" ABSOLUTE)
set(CMAKE_CROSSCOMPILING_EMULATOR "${VORN_WINE_WRAPPER};${CMAKE_BINARY_DIR}/wine-prefix")
