#!/bin/sh
# The Windows build under Wine. It first finds out, in a moment, whether
# this machine runs 32-bit programs (tools/runs-i386.py runs a tiny i386
# program) and goes one of two ways:
# - win32, where they run: the 32-bit quorrel.exe that ships and its tests,
#   in a 32-bit Wine prefix (wine32:i386 is installed only then);
# - win64, where they cannot: the same sources built for x86_64 (a test
#   vehicle, never shipped) and every Windows test run on that build under
#   64-bit Wine, the 64-bit loader called directly; the 32-bit quorrel.exe
#   is still built, stripped and checked without running it.
# QUORREL_WINE_BUILD=win32 or win64 chooses the way instead. Either prefix
# reports Windows NT 4.0 for the whole stage; a virtual display of its own
# shows the windows. The last line says which build ran and how many
# Windows tests passed.
set -u
cd "$(dirname "$0")/../.."
ROOT=$(pwd)
die() { echo "FAIL: $*"; echo "wine stage: ${WIDTH:-no} build, stopped: $*"; exit 1; }

sh tools/deps.sh python3 >/dev/null || die "python3 could not be installed"
WIDTH=${QUORREL_WINE_BUILD:-}
if [ -z "$WIDTH" ]; then
  if python3 tools/runs-i386.py; then WIDTH=win32; else WIDTH=win64; fi
fi
case "$WIDTH" in
  win32) echo "the Windows tests run on the 32-bit build, in a 32-bit prefix" ;;
  win64) echo "the Windows tests run on a 64-bit build of the same sources, in a 64-bit prefix" ;;
  *) die "QUORREL_WINE_BUILD is \"$WIDTH\", not win32 or win64" ;;
esac

# Wine's own fonts (MS Sans Serif, Marlett) and fonts with Arial's
# metrics, so that the dialogs' texts take the room they take on Windows.
COMMON="xvfb xauth xdotool imagemagick python3 libgtest-dev libgmock-dev
  fonts-wine fonts-liberation"
if [ "$WIDTH" = win32 ]; then
  # shellcheck disable=SC2086
  sh tools/deps.sh g++-mingw-w64-i686-win32 wine wine32:i386 $COMMON ||
    die "the 32-bit Wine could not be installed"
  LOADER=$(command -v wine)
  WINESERVER=$(command -v wineserver)
  TEST_BUILD=$ROOT/${WIN32_BUILD_DIR:-build-win32}
  BITS=32-bit
else
  # shellcheck disable=SC2086
  sh tools/deps.sh g++-mingw-w64-i686-win32 g++-mingw-w64-x86-64-win32 wine64 $COMMON ||
    die "the 64-bit Wine could not be installed"
  LOADER=/usr/lib/wine/wine64
  WINESERVER=/usr/lib/wine/wineserver
  TEST_BUILD=$ROOT/${WIN64_BUILD_DIR:-build-win64}
  BITS=64-bit
fi
export QUORREL_WINE_LOADER="$LOADER" WINESERVER WINE="$LOADER"

# The host build's resource generator, when tools/test.sh has just made it.
if [ -x build/quorrel_rcgen ]; then
  export QUORREL_HOST_TOOLS="$ROOT/build"
fi
build() {  # build WIDTH WHAT: quiet unless it fails
  LOG=$(mktemp)
  if sh tools/build-windows.sh "$1" "$2" >"$LOG" 2>&1; then
    tail -1 "$LOG"; rm -f "$LOG"
  else
    tail -40 "$LOG"; rm -f "$LOG"; die "the $1 build failed"
  fi
}
if [ "$WIDTH" = win32 ]; then
  build i686 all
else
  build i686 program
  build x86_64 all
fi

# The program that ships, checked where nothing 32-bit needs to run: its
# image is one NT 4.0 starts, and it imports only what NT 4.0 exports.
PASSED=0
FAILED=0
count() { if "$@"; then PASSED=$((PASSED + 1)); else FAILED=$((FAILED + 1)); fi; }
SHIPPED=${WIN32_BUILD_DIR:-build-win32}
count python3 tools/check-image.py "$SHIPPED/dist/quorrel.exe"
count python3 tools/check-imports.py i686-w64-mingw32-objdump \
  "$SHIPPED/quorrel.exe" tools/nt4-imports.txt

export WINEPREFIX="$TEST_BUILD/wineprefix"
export WINEDEBUG=-all
# No Mono or Gecko download prompts: the program needs neither.
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEARCH="$WIDTH"
export QUORREL_ARTIFACTS="$TEST_BUILD/artifacts"
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
  "$WINESERVER" -k >/dev/null 2>&1 || true
  kill "$XVFB_PID" 2>/dev/null || true
}
trap cleanup EXIT

echo "creating the $BITS Wine prefix, reporting Windows NT 4.0"
BOOT_LOG=$(mktemp)
if ! "$LOADER" wineboot -i >"$BOOT_LOG" 2>&1; then
  status=$?
  tail -20 "$BOOT_LOG"
  die "wineboot -i ended with status $status"
fi
rm -f "$BOOT_LOG"
"$LOADER" reg add 'HKCU\Software\Wine' /v Version /d nt40 /f >/dev/null 2>&1 ||
  die "the prefix's Windows version could not be set"
# What the Windows tests run on: Windows NT 4.0 (version 4.0, build 1381,
# the NT platform), and the build's own width.
SYSTEM_SEEN=$("$LOADER" "$TEST_BUILD/quorrel_uidriver.exe" version 2>&1 | tr -d '\r')
[ "$SYSTEM_SEEN" = "4.0.1381 NT $BITS" ] ||
  die "the Wine prefix reports \"$SYSTEM_SEEN\", not \"4.0.1381 NT $BITS\""
# Without a window manager Wine draws the windows' frames and captions
# itself, as Windows would; their buttons' glyphs come from Marlett, which
# this Wine finds only in the prefix's own Fonts folder.
cp /usr/share/wine/fonts/marlett.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null ||
  echo "no Marlett font: the caption buttons show letters"
"$LOADER" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
"$LOADER" reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f >/dev/null 2>&1
# Screenshots are written by Windows programs too.
QUORREL_ARTIFACTS_WIN=$("$LOADER" winepath -w "$QUORREL_ARTIFACTS" 2>/dev/null)
export QUORREL_ARTIFACTS_WIN
# One server for every test of the stage.
"$WINESERVER" -p >/dev/null 2>&1 || true
CTEST_LOG=$(mktemp)
(cd "$TEST_BUILD" && ctest --output-on-failure) | tee "$CTEST_LOG"
CTEST_PASSED=$(sed -n 's/.* tests passed, \([0-9]*\) tests failed out of \([0-9]*\).*/\2 \1/p' "$CTEST_LOG")
rm -f "$CTEST_LOG"
set -- $CTEST_PASSED
[ $# -eq 2 ] || set -- 0 1
PASSED=$((PASSED + $1 - $2))
FAILED=$((FAILED + $2))
# Every dialog again in Large Fonts (120 dots per inch), where a dialog
# takes its units from its font, each text measured against its control;
# then the program's windows and menus: screenshots in artifacts/120dpi.
mkdir -p "$QUORREL_ARTIFACTS/120dpi"
"$LOADER" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 120 /f >/dev/null 2>&1
"$WINESERVER" -k >/dev/null 2>&1 || true
if QUORREL_ARTIFACTS_WIN="$QUORREL_ARTIFACTS_WIN\\120dpi" "$LOADER" \
  "$TEST_BUILD/quorrel_win32_tests.exe" --gtest_filter='Win32Dialogs.*' >"$QUORREL_ARTIFACTS/120dpi.log" 2>&1; then
  PASSED=$((PASSED + 1))
else
  grep -a '^dialog ' "$QUORREL_ARTIFACTS/120dpi.log"
  tail -20 "$QUORREL_ARTIFACTS/120dpi.log"; echo "FAIL: the dialogs at 120 dpi"
  FAILED=$((FAILED + 1))
fi
if QUORREL_ARTIFACTS="$QUORREL_ARTIFACTS/120dpi" sh tests/win32/interactive.sh \
  "$TEST_BUILD/quorrel.exe" "$TEST_BUILD/quorrel_uidriver.exe" >>"$QUORREL_ARTIFACTS/120dpi.log" 2>&1; then
  PASSED=$((PASSED + 1))
else
  tail -20 "$QUORREL_ARTIFACTS/120dpi.log"; echo "FAIL: the program's windows at 120 dpi"
  FAILED=$((FAILED + 1))
fi
"$LOADER" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 96 /f >/dev/null 2>&1
for shot in "$QUORREL_ARTIFACTS"/*.bmp "$QUORREL_ARTIFACTS"/120dpi/*.bmp; do
  [ -e "$shot" ] || continue
  convert "$shot" "${shot%.bmp}.png" && rm -f "$shot"
done
echo "screenshots in $QUORREL_ARTIFACTS:"
ls "$QUORREL_ARTIFACTS"
echo "wine stage: $WIDTH build ($BITS quorrel.exe under $BITS Wine, NT 4.0):" \
  "$PASSED of $((PASSED + FAILED)) Windows tests passed"
[ "$FAILED" -eq 0 ]
