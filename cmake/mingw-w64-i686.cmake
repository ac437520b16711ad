# Cross build for Windows NT 4.0 and every later Windows: a 32-bit i686
# program from Debian's mingw-w64 (g++-mingw-w64-i686-win32). The win32
# thread model needs nothing of the system beyond what NT 4.0 has; the
# program links its runtime statically, so nothing ships beside the exe.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(QUORREL_MINGW_PREFIX i686-w64-mingw32)

find_program(CMAKE_C_COMPILER NAMES ${QUORREL_MINGW_PREFIX}-gcc-win32)
find_program(CMAKE_CXX_COMPILER NAMES ${QUORREL_MINGW_PREFIX}-g++-win32)
find_program(CMAKE_RC_COMPILER NAMES ${QUORREL_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${QUORREL_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Tests run the Windows binaries under Wine, in a 32-bit prefix.
find_program(QUORREL_WINE NAMES wine)
if(QUORREL_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${QUORREL_WINE})
endif()
