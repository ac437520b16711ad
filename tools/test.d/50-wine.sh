#!/bin/sh
# The Windows build under Wine: cross-builds quorrel.exe and its tests with
# mingw-w64, creates one fresh Wine prefix for the whole stage, starts a
# virtual display, and runs the Windows tests (adapter and conformance
# tests, silent runs, the interactive program) with ctest in build-win32/.
set -e
cd "$(dirname "$0")/../.."
sh tools/deps.sh g++-mingw-w64-x86-64 wine64 wine xvfb xauth xdotool \
  imagemagick python3 libgtest-dev libgmock-dev
sh tools/build-windows.sh >/dev/null 2>&1 || sh tools/build-windows.sh

BUILD_DIR=$(pwd)/${WIN32_BUILD_DIR:-build-win32}
export WINEPREFIX="$BUILD_DIR/wineprefix"
export WINEDEBUG=-all
# No Mono or Gecko download prompts: the program needs neither.
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEARCH=win64
export QUORREL_ARTIFACTS="$BUILD_DIR/artifacts"
rm -rf "$WINEPREFIX" "$QUORREL_ARTIFACTS"
mkdir -p "$QUORREL_ARTIFACTS"

# A display of our own: the first free number from 90 on.
DISPLAY_NUMBER=90
while [ -e "/tmp/.X$DISPLAY_NUMBER-lock" ]; do
  DISPLAY_NUMBER=$((DISPLAY_NUMBER + 1))
done
Xvfb ":$DISPLAY_NUMBER" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
XVFB_PID=$!
export DISPLAY=":$DISPLAY_NUMBER"
cleanup() {
  wineserver -k >/dev/null 2>&1 || true
  kill "$XVFB_PID" 2>/dev/null || true
}
trap cleanup EXIT

echo "creating the Wine prefix"
wineboot -i >/dev/null 2>&1
# Without a window manager Wine draws the windows' frames and captions
# itself, as Windows would.
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f >/dev/null 2>&1
# Screenshots are written by Windows programs too.
QUORREL_ARTIFACTS_WIN=$(winepath -w "$QUORREL_ARTIFACTS" 2>/dev/null)
export QUORREL_ARTIFACTS_WIN
# One server for every test of the stage.
wineserver -p >/dev/null 2>&1 || true
(cd "$BUILD_DIR" && ctest --output-on-failure)
for shot in "$QUORREL_ARTIFACTS"/*.bmp; do
  [ -e "$shot" ] || continue
  convert "$shot" "${shot%.bmp}.png" && rm -f "$shot"
done
echo "screenshots in $QUORREL_ARTIFACTS:"
ls "$QUORREL_ARTIFACTS"
