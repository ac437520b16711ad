#!/bin/sh
# Builds everything and runs every test: the unit and end-to-end suite, then
# each stage of tools/test.d in order (Windows build under Wine, sanitizers,
# fuzzing, crash test ...). Every stage runs even when one before it failed;
# a closing table gives each stage's result and time, and the exit status
# is 1 when any stage failed.
cd "$(dirname "$0")/.." || exit 1
RESULTS=$(mktemp)
trap 'rm -f "$RESULTS"' EXIT
stage() {  # stage NAME COMMAND...: runs it, notes result and seconds
  name=$1
  shift
  echo "=== $name"
  started=$(date +%s)
  if "$@"; then result=passed; else result="FAILED (status $?)"; fi
  printf '%s\t%s\t%s\n' "$name" "$result" "$(($(date +%s) - started))" >>"$RESULTS"
}
host_suite() {
  # The hive tests read their results back with two readers of their own.
  sh tools/deps.sh reglookup libregf-utils &&
    (cd build && ctest --output-on-failure -j "$(nproc)")
}
stage build sh tools/build.sh
stage host-suite host_suite
for script in tools/test.d/*.sh; do
  [ -e "$script" ] || continue
  stage "$script" sh "$script"
done
echo
echo "=== results"
awk -F '\t' '{ printf "%-30s %-20s %5d s\n", $1, $2, $3; total += $3 }
  END { printf "%-30s %-20s %5d s\n", "total", "", total }' "$RESULTS"
! grep -q FAILED "$RESULTS"
