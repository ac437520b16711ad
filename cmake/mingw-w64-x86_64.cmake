# The same Windows sources built for x86_64 (g++-mingw-w64-x86-64-win32): a
# test vehicle for machines that cannot run 32-bit programs, never shipped.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(QUORREL_MINGW_PREFIX x86_64-w64-mingw32)
# The 64-bit loader itself: `wine` would pick the 32-bit one.
set(QUORREL_WINE_NAMES wine64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
