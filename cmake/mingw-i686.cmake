# 32-bit Windows cross build: the module hosts load on Win32, built with MinGW-w64.
set(TARVOLIN_MINGW_TRIPLET i686-w64-mingw32)
set(CMAKE_SYSTEM_PROCESSOR i686)
# Debian's wine starts wine32 for them.
set(TARVOLIN_WINE wine)
include(${CMAKE_CURRENT_LIST_DIR}/MinGW.cmake)
