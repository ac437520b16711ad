#!/bin/sh
# Cross-builds quorrel.exe and its Windows tests into build-win32/ (or
# $WIN32_BUILD_DIR) with mingw-w64.
set -e
cd "$(dirname "$0")/.."
sh tools/deps.sh cmake g++ make g++-mingw-w64-i686-win32 libgtest-dev libgmock-dev
BUILD_DIR=${WIN32_BUILD_DIR:-build-win32}
cmake -S . -B "$BUILD_DIR" -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-i686.cmake \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$BUILD_DIR" -j "$(nproc)" --target quorrel quorrel_win32_tests quorrel_uidriver
echo "$BUILD_DIR/quorrel.exe"
