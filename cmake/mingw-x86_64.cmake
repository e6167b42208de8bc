# 64-bit Windows cross build: the module today's Windows hosts load, built with MinGW-w64.
set(TARVOLIN_MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
# Debian's wine would start wine32 whenever it is installed.
set(TARVOLIN_WINE /usr/lib/wine/wine64)
include(${CMAKE_CURRENT_LIST_DIR}/MinGW.cmake)
