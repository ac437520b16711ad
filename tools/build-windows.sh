#!/bin/sh
# Cross-builds the Windows program with mingw-w64.
#   build-windows.sh [i686|x86_64] [program|all]
# i686 (the default) is the program that ships: the 32-bit quorrel.exe for
# Windows NT 4.0 and later, in build-win32/ (or $WIN32_BUILD_DIR), with the
# stripped copy to ship in build-win32/dist/. x86_64 builds the same
# sources as a 64-bit test vehicle in build-win64/ (or $WIN64_BUILD_DIR),
# for machines that cannot run 32-bit programs; it is never shipped.
# "program" builds quorrel.exe alone, "all" (the default) its Windows tests
# and the window driver too.
set -e
cd "$(dirname "$0")/.."
ARCH=${1:-i686}
WHAT=${2:-all}
case "$ARCH" in
  i686) PACKAGE=g++-mingw-w64-i686-win32; BUILD_DIR=${WIN32_BUILD_DIR:-build-win32} ;;
  x86_64) PACKAGE=g++-mingw-w64-x86-64-win32; BUILD_DIR=${WIN64_BUILD_DIR:-build-win64} ;;
  *) echo "build-windows.sh: no such width: $ARCH (i686 or x86_64)" >&2; exit 2 ;;
esac
case "$WHAT" in
  program) TARGETS=quorrel ;;
  all) TARGETS="quorrel quorrel_win32_tests quorrel_uidriver" ;;
  *) echo "build-windows.sh: build what? $WHAT (program or all)" >&2; exit 2 ;;
esac
PREFIX=$ARCH-w64-mingw32
sh tools/deps.sh cmake g++ make "$PACKAGE" libgtest-dev libgmock-dev
# A toolchain is read only when a build directory is first configured: one
# left from another toolchain starts afresh.
if [ -f "$BUILD_DIR/CMakeCache.txt" ] &&
  ! grep -q "^CMAKE_CXX_COMPILER:.*$PREFIX-g++-win32" "$BUILD_DIR/CMakeCache.txt"; then
  rm -rf "$BUILD_DIR/CMakeCache.txt" "$BUILD_DIR/CMakeFiles"
fi
# QUORREL_HOST_TOOLS: a host build folder whose resource generator to use
# instead of building one here (tools/test.sh has just built it).
cmake -S . -B "$BUILD_DIR" -DCMAKE_TOOLCHAIN_FILE="cmake/mingw-w64-$ARCH.cmake" \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUORREL_HOST_TOOLS="${QUORREL_HOST_TOOLS:-}" >/dev/null
# shellcheck disable=SC2086
cmake --build "$BUILD_DIR" -j "$(nproc)" --target $TARGETS
mkdir -p "$BUILD_DIR/dist"
"$PREFIX-strip" -o "$BUILD_DIR/dist/quorrel.exe" "$BUILD_DIR/quorrel.exe"
echo "$BUILD_DIR/quorrel.exe ($BUILD_DIR/dist/quorrel.exe stripped: $(wc -c < "$BUILD_DIR/dist/quorrel.exe") bytes)"
