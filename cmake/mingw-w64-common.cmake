# What both Windows toolchains share; the file that includes this sets
# CMAKE_SYSTEM_PROCESSOR and QUORREL_MINGW_PREFIX first. The win32 thread
# model needs nothing of the system beyond what NT 4.0 has; the program
# links its runtime statically, so nothing ships beside the exe.
set(CMAKE_SYSTEM_NAME Windows)

find_program(CMAKE_C_COMPILER NAMES ${QUORREL_MINGW_PREFIX}-gcc-win32)
find_program(CMAKE_CXX_COMPILER NAMES ${QUORREL_MINGW_PREFIX}-g++-win32)
find_program(CMAKE_RC_COMPILER NAMES ${QUORREL_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${QUORREL_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Tests run the Windows binaries under the Wine loader of the build's
# width ($QUORREL_WINE_LOADER, else the one found here).
if(DEFINED ENV{QUORREL_WINE_LOADER})
  set(QUORREL_WINE $ENV{QUORREL_WINE_LOADER})
else()
  find_program(QUORREL_WINE NAMES ${QUORREL_WINE_NAMES} PATHS /usr/lib/wine)
endif()
if(QUORREL_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${QUORREL_WINE})
endif()
