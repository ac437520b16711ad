# Cross build for 64-bit Windows with Debian's mingw-w64 (g++-mingw-w64-x86-64).
# The posix thread model gives the C++ runtime its full threading support;
# the program links it statically, so nothing of it ships beside the exe.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(QUORREL_MINGW_PREFIX x86_64-w64-mingw32)

find_program(CMAKE_C_COMPILER NAMES ${QUORREL_MINGW_PREFIX}-gcc-posix ${QUORREL_MINGW_PREFIX}-gcc)
find_program(CMAKE_CXX_COMPILER NAMES ${QUORREL_MINGW_PREFIX}-g++-posix ${QUORREL_MINGW_PREFIX}-g++)
find_program(CMAKE_RC_COMPILER NAMES ${QUORREL_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${QUORREL_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Tests run the Windows binaries under Wine.
find_program(QUORREL_WINE NAMES wine wine64)
if(QUORREL_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${QUORREL_WINE})
endif()
