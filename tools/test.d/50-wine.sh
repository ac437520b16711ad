#!/bin/sh
# The Windows build under Wine: cross-builds the 32-bit quorrel.exe and its
# tests with mingw-w64, creates one fresh 32-bit Wine prefix that reports
# Windows NT 4.0 for the whole stage, starts a virtual display, and runs the
# Windows tests (import check, adapter and conformance tests, silent runs,
# the interactive program) with ctest in build-win32/.
set -e
cd "$(dirname "$0")/../.."
# wine32:i386 is the 32-bit loader; deps.sh adds the i386 architecture.
sh tools/deps.sh g++-mingw-w64-i686-win32 wine wine32:i386 xvfb xauth \
  xdotool imagemagick python3 libgtest-dev libgmock-dev
sh tools/build-windows.sh >/dev/null 2>&1 || sh tools/build-windows.sh

BUILD_DIR=$(pwd)/${WIN32_BUILD_DIR:-build-win32}
export WINEPREFIX="$BUILD_DIR/wineprefix"
export WINEDEBUG=-all
# No Mono or Gecko download prompts: the program needs neither.
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEARCH=win32
export QUORREL_ARTIFACTS="$BUILD_DIR/artifacts"
rm -rf "$WINEPREFIX" "$QUORREL_ARTIFACTS"
mkdir -p "$QUORREL_ARTIFACTS"

# A display of our own: the first free number from $QUORREL_DISPLAY (90)
# on; another run may take a number between the look and the start, so a
# server that does not stay up means the next number.
DISPLAY_NUMBER=${QUORREL_DISPLAY:-90}
XVFB_PID=
while [ -z "$XVFB_PID" ]; do
  while [ -e "/tmp/.X$DISPLAY_NUMBER-lock" ]; do
    DISPLAY_NUMBER=$((DISPLAY_NUMBER + 1))
  done
  Xvfb ":$DISPLAY_NUMBER" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  XVFB_PID=$!
  sleep 1
  kill -0 "$XVFB_PID" 2>/dev/null || { XVFB_PID=; DISPLAY_NUMBER=$((DISPLAY_NUMBER + 1)); }
done
export DISPLAY=":$DISPLAY_NUMBER"
cleanup() {
  wineserver -k >/dev/null 2>&1 || true
  kill "$XVFB_PID" 2>/dev/null || true
}
trap cleanup EXIT

echo "creating the 32-bit Wine prefix, reporting Windows NT 4.0"
wineboot -i >/dev/null 2>&1
wine reg add 'HKCU\Software\Wine' /v Version /d nt40 /f >/dev/null 2>&1
# What the Windows tests run on: a 32-bit Windows NT 4.0 (version 4.0,
# build 1381, the NT platform).
SYSTEM_SEEN=$(wine "$BUILD_DIR/quorrel_uidriver.exe" version 2>/dev/null | tr -d '\r')
if [ "$SYSTEM_SEEN" != "4.0.1381 NT 32-bit" ]; then
  echo "FAIL: the Wine prefix reports \"$SYSTEM_SEEN\", not \"4.0.1381 NT 32-bit\""
  exit 1
fi
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
