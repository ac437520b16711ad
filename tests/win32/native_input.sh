#!/bin/sh
# The interactive program's windows under real input (xdotool's mouse and
# keys on the virtual display $DISPLAY), as a new user would try them:
# - a drop-down list's entry chosen by mouse, and another by keys, is what
#   OK writes to the registry;
# - OK in Customizations takes its dialog off the screen before the
#   restart question comes;
# - a message box shown from a dialog leaves that dialog active and on top,
#   and the main window still disabled under it;
# - after Update Registry the focus is on a control that takes keys;
# - the Help menu and the About box reached, and the program closed, with
#   the keyboard alone.
# Usage: native_input.sh QUORREL_EXE UIDRIVER_EXE
set -eu
WINE=${WINE:-wine}
EXE=$1
DRIVER=$2
TITLE='Corvane Tessarine Registry Update Utility for Windows NT'
ABOUT='About Tessarine Registry Update Utility For Windows NT'
MENU='Registry Customizations'
CARDS='Registry Customizations - PC Card Configuration'
REPAIRS='Registry Repairs'
PARAMS='HKLM\System\CurrentControlSet\Services\Kestan\Parameters'
FAILED=0
fail() { printf 'FAIL: %s\n' "$*"; FAILED=1; }
. "$(dirname "$0")/driver.sh"
opened() { drv wait "$1" 10000 >/dev/null || fail "\"$1\" did not open"; sleep 0.5; }
closed() { drv wait-gone "$1" 10000 || fail "\"$1\" did not close"; }
keys() { xdotool key --delay 150 "$@"; sleep 0.5; }
# click_at X Y: a real click of the left button there.
click_at() { xdotool mousemove "$1" "$2" click 1; sleep 0.5; }
# click_control TITLE ID: a real click on the middle of a control.
click_control() {
  set -- "$1" "$2" $(drv ctlrect "$1" "$2") || true
  [ $# -eq 6 ] || { fail "no control $2 in \"$1\""; return; }
  click_at $(( $3 + $5 / 2 )) $(( $4 + $6 / 2 ))
}
reserved_windows() {
  "$WINE" reg query "$PARAMS" /v NumReservedMemoryWindows 2>/dev/null |
    tr -d '\r' | awk '$1 == "NumReservedMemoryWindows" { print $3 }'
}

WORK=$(mktemp -d)
cd "$WORK"
"$WINE" "$EXE" >run.log 2>&1 &
PROGRAM=$!
trap 'kill "$PROGRAM" 2>/dev/null || true; rm -rf "$WORK"' EXIT
opened "$TITLE"
sleep 4  # the splash picture goes

# A drop-down list: an entry picked from the opened list by mouse, then OK.
click_control "$TITLE" 113
opened "$MENU"
click_control "$MENU" 1146
opened "$CARDS"
set -- $(drv ctlrect "$CARDS" 1143)
click_at $(( $1 + $3 / 2 )) $(( $2 + $4 / 2 ))
# The opened list at its top (Home), then entry "1", its second line, by
# mouse.
keys Home
click_at $(( $1 + $3 / 2 )) $(( $2 + $4 + 19 ))
click_control "$CARDS" 1
closed "$CARDS"
[ "$(reserved_windows)" = 0x1 ] ||
  fail "entry 1 chosen by mouse, OK wrote NumReservedMemoryWindows $(reserved_windows)"
# Then by keys: the list opened and closed, five entries down, Enter.
click_control "$MENU" 1146
opened "$CARDS"
set -- $(drv ctlrect "$CARDS" 1143)
click_at $(( $1 + $3 / 2 )) $(( $2 + $4 / 2 ))
keys Escape Down Down Down Down Down Return
closed "$CARDS"
[ "$(reserved_windows)" = 0x6 ] ||
  fail "entry 6 chosen by keys, Enter wrote NumReservedMemoryWindows $(reserved_windows)"
# OK in Customizations after a change: the restart question comes over
# the main window (disabled under it), the Customizations dialog gone from
# the screen, not left drawn behind the question.
click_control "$MENU" 1
sleep 1
# (The question's own title is the main window's; its Yes button, 6, has
# the focus.)
[ "$(drv input "$TITLE" | cut -d'|' -f3)" = 6 ] ||
  fail "no restart question after OK in Customizations"
drv wait-gone "$MENU" 1000 ||
  fail "\"$MENU\" is still on the screen under the restart question"
keys n
closed "$MENU"

# A message box from inside a dialog, closed with Enter: the dialog is
# active again, on top, and the main window still disabled under it.
click_control "$TITLE" 114
opened "$REPAIRS"
click_control "$REPAIRS" 1154
sleep 1
[ "$(drv input "$REPAIRS" | cut -d'|' -f1)" = 0 ] ||
  fail "the Repairs dialog takes input under its message box"
keys Return
STATE=$(drv input "$REPAIRS")
[ "${STATE%|*}" = "1|$REPAIRS" ] ||
  fail "after the message box: \"$STATE\" (enabled|active), not the Repairs dialog"
[ "$(drv input "$TITLE" | cut -d'|' -f1)" = 0 ] ||
  fail "the main window takes input while the Repairs dialog is up"
[ "$(drv foreground)" = "$REPAIRS" ] ||
  fail "the foreground window is \"$(drv foreground)\", not the Repairs dialog"
keys Escape
closed "$REPAIRS"

# Update Registry clicked: its button greys for the rest of the run and the
# focus moves on to a control that takes keys (not left on no control or
# the greyed one); its message boxes answered with Enter and N.
click_control "$TITLE" 111
sleep 3
keys Return
sleep 1
keys n
FOCUS=$(drv input "$TITLE" | cut -d'|' -f3)
[ -n "$FOCUS" ] && [ "$FOCUS" != 0 ] && [ "$FOCUS" != 111 ] ||
  fail "after Update Registry the focus is on control \"$FOCUS\""

# Help > About with the keyboard alone, closed with Enter; Alt+F4 ends.
keys alt+h Return
opened "$ABOUT"
keys Return
closed "$ABOUT"
keys alt+F4
closed "$TITLE"
wait "$PROGRAM" 2>/dev/null || true

[ "$FAILED" -eq 0 ] || exit 1
echo "native input: drop-down lists by mouse and keys, a message box over a dialog, Help and Alt+F4 by keys"
