# Compiles VORN to WebAssembly with Debian's emscripten package, for the page
# in a browser:
#
#   cmake --preset web
#
# Build-time programs run under Node.js with the real file system. The web
# preset sets NODE_PATH=/usr/share/nodejs, where Debian keeps the acorn
# parser that the compiler's JavaScript optimiser loads; without it a newer
# Node.js than Debian's cannot find it.

include(/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake)

# The core reports bad frame records by throwing, so exceptions must be caught
# here as they are on the desktop; emscripten leaves catching off by default.
set(CMAKE_CXX_FLAGS_INIT "-fexceptions")
set(CMAKE_EXE_LINKER_FLAGS_INIT "-fexceptions -sALLOW_MEMORY_GROWTH=1")
