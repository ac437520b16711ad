# Sourced by the interactive tests: drv COMMAND ARGS... runs the window
# driver ($DRIVER, under $WINE) and prints its answer without the carriage
# returns; its status is the driver's.
drv() {
  OUT=$("$WINE" "$DRIVER" "$@" 2>/dev/null) || return 1
  [ -z "$OUT" ] || printf '%s\n' "$OUT" | tr -d '\r'
}
