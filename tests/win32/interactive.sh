#!/bin/sh
# The interactive program under Wine on a virtual display ($DISPLAY): the
# splash picture over the main window, the main window with exactly the
# program's title, fixed in size, centred, its client area the form; a
# second start brings the first instance forward and ends; the About box
# (with the system's figures), the Customizations dialogs and the Repairs
# dialog open from the main window; the form and the frame let the system
# show its cursor. A screenshot of each window and of the two menus goes to
# $QUORREL_ARTIFACTS.
# Usage: interactive.sh QUORREL_EXE UIDRIVER_EXE
set -eu
# The Wine loader of the build's width (the stage exports it).
WINE=${WINE:-wine}
EXE=$1
DRIVER=$2
ART=${QUORREL_ARTIFACTS:-.}
TITLE='Corvane Tessarine Registry Update Utility for Windows NT'
FAILED=0
fail() { printf 'FAIL: %s\n' "$*"; FAILED=1; }
. "$(dirname "$0")/driver.sh"
# shot FILE X Y CX CY: that part of the screen.
shot_rect() {
  import -window root -crop "${4}x${5}+${2}+${3}" "$ART/$1" || fail "no screenshot $1"
}
shot() {  # shot FILE WINDOW_TITLE
  RECT=$(drv rect "$2") || { fail "no window \"$2\" to photograph"; return; }
  # shellcheck disable=SC2086
  shot_rect "$1" $RECT
}
# opened WINDOW_TITLE FILE: the window must come up; it is photographed.
opened() {
  if drv wait "$1" 10000 >/dev/null; then
    sleep 0.5
    shot "$2" "$1"
  else
    fail "\"$1\" did not open"
  fi
}
closed() {
  drv wait-gone "$1" 10000 || fail "\"$1\" did not close"
}

# The number as the About box writes it: groups of three digits, commas.
grouped() { python3 -c 'import sys; n = int(sys.argv[1]); print(f"{n:,}" if n < 2**31 else n)' "$1"; }
# n1 n2 PERCENT: n2 lies within PERCENT % of n1.
near() { [ $(( ($1 - $2) * 100 )) -le $(( $1 * $3 )) ] && [ $(( ($2 - $1) * 100 )) -le $(( $1 * $3 )) ]; }
# The About box's figures are the system's, as a program of its own reads
# them: physical memory, the share in use, the processor class and the
# free space of the current drive (which the machine's other programs
# change meanwhile: within 2 %).
about_figures() {
  set -- $(drv figures)
  TOTAL_KB=$1; AVAIL_KB=$2; CPU=$3; FREE_KB=$4
  MEMORY=$(drv text "$ABOUT" 107)
  [ "$MEMORY" = "$(grouped "$TOTAL_KB") (KB)" ] ||
    fail "About box memory \"$MEMORY\", not \"$(grouped "$TOTAL_KB") (KB)\""
  # Memory in use moves with the machine's other programs: the box's share
  # lies within 10 points of the system's, read twice once it is up.
  USED=$(drv text "$ABOUT" 114)
  USED_BEFORE=$(( (TOTAL_KB - AVAIL_KB) * 100 / TOTAL_KB ))
  set -- $(drv figures)
  USED_AFTER=$(( ($1 - $2) * 100 / $1 ))
  LOW=$(( (USED_BEFORE < USED_AFTER ? USED_BEFORE : USED_AFTER) - 10 ))
  HIGH=$(( (USED_BEFORE > USED_AFTER ? USED_BEFORE : USED_AFTER) + 10 ))
  case "$USED" in
    *[!0-9%]* | "" | %*) fail "About box memory use \"$USED\" is not a percentage" ;;
    *%) [ "${USED%\%}" -ge "$LOW" ] && [ "${USED%\%}" -le "$HIGH" ] ||
          fail "About box memory use $USED, the system's ${USED_BEFORE}% then ${USED_AFTER}%" ;;
    *) fail "About box memory use \"$USED\" lacks its %" ;;
  esac
  case "$CPU" in 386) CLASS=386 ;; 486) CLASS=486 ;; 586) CLASS=Pentium ;; *) CLASS=OTHER ;; esac
  [ "$(drv text "$ABOUT" 113)" = "$CLASS" ] ||
    fail "About box processor \"$(drv text "$ABOUT" 113)\", not $CLASS (type $CPU)"
  DISK=$(drv text "$ABOUT" 108)
  DISK_KB=$(printf '%s' "${DISK% KB Free}" | tr -d ,)
  case "$DISK" in
    *" KB Free") near "$FREE_KB" "$DISK_KB" 2 ||
                   fail "About box disk space \"$DISK\", the system's $FREE_KB KB" ;;
    *) fail "About box disk space \"$DISK\" (the system's: $FREE_KB KB)" ;;
  esac
}

WORK=$(mktemp -d)
cd "$WORK"
"$WINE" "$EXE" >first.log 2>&1 &
FIRST=$!
trap 'kill "$FIRST" 2>/dev/null || true; rm -rf "$WORK"' EXIT

# The splash picture: 520 x 317, over the main window, for three seconds.
if SPLASH=$(drv popup 520 317 20000); then
  # shellcheck disable=SC2086
  shot_rect splash.png $SPLASH
else
  fail "no splash picture"
fi
drv wait "$TITLE" 10000 >/dev/null || fail "no main window titled \"$TITLE\""
sleep 4
drv popup 520 317 0 >/dev/null && fail "the splash picture is still up after 4 s"

# Exactly one window with exactly the title; caption and system menu, no
# sizing border, no minimize or maximize box.
[ "$(drv count "$TITLE")" = 1 ] || fail "not exactly one main window"
STYLE=$(drv style "$TITLE")
[ $((STYLE & 0x00C80000)) -eq $((0x00C80000)) ] || fail "style $STYLE lacks caption or system menu"
[ $((STYLE & 0x00070000)) -eq 0 ] || fail "style $STYLE can be resized, minimized or maximized"
# Centred on the 1024 x 768 screen.
set -- $(drv rect "$TITLE")
CX=$(( $1 + $3 / 2 )); CY=$(( $2 + $4 / 2 ))
[ "$CX" -ge 511 ] && [ "$CX" -le 513 ] && [ "$CY" -ge 383 ] && [ "$CY" -le 385 ] ||
  fail "main window centred at $CX,$CY, not on the screen's centre"
# The client area is the form: the form's window (the view, 0xE900), its
# 320 x 160 dialog units in the dialog font's own base units, border and all.
set -- $(drv client "$TITLE") $(drv ctlrect "$TITLE" 59648)
[ $# -eq 8 ] && [ "$3" -eq "$7" ] && [ "$4" -eq "$8" ] && [ "$1" -eq "$5" ] &&
  [ "$2" -eq "$6" ] || fail "client area \"$1 $2 $3 $4\" is not the form's \"$5 $6 $7 $8\""
shot main-window.png "$TITLE"
# Not busy, the form and the frame leave the cursor to the default
# processing, which shows the class cursor.
for ID in 59648 0; do
  [ "$(drv setcursor "$TITLE" "$ID")" = set ] ||
    fail "WM_SETCURSOR on window $ID of the main window shows no cursor"
done
# Its two menus, opened from the keyboard.
for MENU in f:menu-file.png h:menu-help.png; do
  xdotool key "alt+${MENU%%:*}"
  sleep 0.5
  shot "${MENU#*:}" "$TITLE"
  xdotool key Escape Escape
done

# A second start brings the first instance forward and ends.
drv decoy "quorrel decoy" 15000 &
DECOY=$!
drv wait "quorrel decoy" 5000 >/dev/null || fail "no decoy window"
sleep 0.5
[ "$(drv foreground)" = "quorrel decoy" ] || fail "the decoy is not in front"
if timeout 20 "$WINE" "$EXE" >second.log 2>&1; then :; else fail "the second start did not end"; fi
sleep 0.5
[ "$(drv foreground)" = "$TITLE" ] || fail "the first instance was not brought forward (front: $(drv foreground))"
[ "$(drv count "$TITLE")" = 1 ] || fail "a second main window appeared"
kill "$DECOY" 2>/dev/null || true

# The About box, from the Help menu.
ABOUT='About Tessarine Registry Update Utility For Windows NT'
drv menu "$TITLE" 57664 || fail "no About command on the menu bar"
opened "$ABOUT" about-box.png
about_figures
drv click "$ABOUT" 1 || fail "no OK button in the About box"
closed "$ABOUT"

# Registry Customizations and its three settings dialogs, each cancelled.
MENU='Registry Customizations'
drv click "$TITLE" 113 || fail "no Registry Customizations button"
opened "$MENU" customizations.png
for entry in "115:Registry Customizations - Miscellaneous:misc-settings.png" \
  "114:Registry Customizations - Interrupts:interrupt-settings.png" \
  "1146:Registry Customizations - PC Card Configuration:card-configuration.png"; do
  ID=${entry%%:*}; REST=${entry#*:}; NAME=${REST%:*}; FILE=${REST##*:}
  drv click "$MENU" "$ID" || fail "no button $ID in \"$MENU\""
  opened "$NAME" "$FILE"
  drv close "$NAME" || true
  closed "$NAME"
done
drv close "$MENU" || true
closed "$MENU"

# Registry Repairs.
REPAIRS='Registry Repairs'
drv click "$TITLE" 114 || fail "no Registry Repairs button"
opened "$REPAIRS" repairs.png
drv close "$REPAIRS" || true
closed "$REPAIRS"

# Exit from the File menu ends the program.
drv menu "$TITLE" 57665 || fail "no Exit command on the menu bar"
closed "$TITLE"
wait "$FIRST" 2>/dev/null || true

[ "$FAILED" -eq 0 ] || exit 1
echo "interactive: main window, single instance, splash, About, Customizations and Repairs dialogs"
