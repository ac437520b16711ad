#!/bin/sh
# The Windows build under Wine: cross-builds quorrel.exe and its tests with
# mingw-w64, creates one fresh Wine prefix for the whole stage, and runs the
# Windows tests (adapter and conformance tests, silent runs, the interactive
# program under Xvfb) with ctest in build-win32/.
set -e
cd "$(dirname "$0")/../.."
sh tools/deps.sh g++-mingw-w64-x86-64 wine64 wine xvfb xauth xdotool \
  imagemagick python3 libgtest-dev libgmock-dev
sh tools/build-windows.sh >/dev/null

BUILD_DIR=$(pwd)/${WIN32_BUILD_DIR:-build-win32}
export WINEPREFIX="$BUILD_DIR/wineprefix"
export WINEDEBUG=-all
# No Mono or Gecko download prompts: the program needs neither.
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEARCH=win64
rm -rf "$WINEPREFIX" "$BUILD_DIR/artifacts"
mkdir -p "$BUILD_DIR/artifacts"
unset DISPLAY
echo "creating the Wine prefix"
wineboot -i >/dev/null 2>&1
# One server for every test of the stage; ended however the stage ends.
wineserver -p >/dev/null 2>&1 || true
trap 'wineserver -k >/dev/null 2>&1 || true' EXIT
(cd "$BUILD_DIR" && ctest --output-on-failure)
