#!/bin/sh
# Cross-builds the 32-bit quorrel.exe (for Windows NT 4.0 and later) and its
# Windows tests into build-win32/ (or $WIN32_BUILD_DIR) with mingw-w64, and
# the stripped program to ship, dist/quorrel.exe there.
set -e
cd "$(dirname "$0")/.."
sh tools/deps.sh cmake g++ make g++-mingw-w64-i686-win32 libgtest-dev libgmock-dev
BUILD_DIR=${WIN32_BUILD_DIR:-build-win32}
# A toolchain is read only when a build directory is first configured: one
# left from another toolchain (the former 64-bit build) starts afresh.
if [ -f "$BUILD_DIR/CMakeCache.txt" ] &&
  ! grep -q '^CMAKE_CXX_COMPILER:.*i686-w64-mingw32-g++-win32' "$BUILD_DIR/CMakeCache.txt"; then
  rm -rf "$BUILD_DIR/CMakeCache.txt" "$BUILD_DIR/CMakeFiles"
fi
cmake -S . -B "$BUILD_DIR" -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-i686.cmake \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$BUILD_DIR" -j "$(nproc)" --target quorrel quorrel_win32_tests quorrel_uidriver
mkdir -p "$BUILD_DIR/dist"
i686-w64-mingw32-strip -o "$BUILD_DIR/dist/quorrel.exe" "$BUILD_DIR/quorrel.exe"
echo "$BUILD_DIR/quorrel.exe ($BUILD_DIR/dist/quorrel.exe stripped: $(wc -c < "$BUILD_DIR/dist/quorrel.exe") bytes)"
