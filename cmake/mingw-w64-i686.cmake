# Cross build for Windows NT 4.0 and every later Windows: a 32-bit i686
# program from Debian's mingw-w64 (g++-mingw-w64-i686-win32). This is the
# program that ships.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(QUORREL_MINGW_PREFIX i686-w64-mingw32)
# `wine` starts the 32-bit loader.
set(QUORREL_WINE_NAMES wine)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
