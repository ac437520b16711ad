#!/bin/sh
# Builds everything and runs every test: the unit and end-to-end suite, then
# each stage of tools/test.d in order (Windows build under Wine, sanitizers,
# fuzzing, crash test ...). Every stage runs even when one before it failed;
# a closing table gives each stage's result and time, and the exit status
# is 1 when any stage failed.
cd "$(dirname "$0")/.." || exit 1
RESULTS=$(mktemp)
trap 'rm -f "$RESULTS" "$TIMES"' EXIT
# The processor seconds (user + system) of this shell's finished children:
# beside the wall time, what a stage costs whatever else the machine does.
# (`times` reports on the shell it runs in, so it writes to a file here.)
TIMES=$(mktemp)
cpu_seconds() {
  awk 'NR == 2 { split($0, t, /[ms ]+/); print t[1] * 60 + t[2] + t[3] * 60 + t[4] }' "$TIMES"
}
stage() {  # stage NAME COMMAND...: runs it, notes result and seconds
  name=$1
  shift
  echo "=== $name"
  started=$(date +%s)
  times >"$TIMES"
  cpu_before=$(cpu_seconds)
  if "$@"; then result=passed; else result="FAILED (status $?)"; fi
  times >"$TIMES"
  printf '%s\t%s\t%s\t%s\n' "$name" "$result" "$(($(date +%s) - started))" \
    "$(echo "$(cpu_seconds) $cpu_before" | awk '{ printf "%d", $1 - $2 }')" >>"$RESULTS"
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
awk -F '\t' 'BEGIN { printf "%-30s %-20s %7s %9s\n", "stage", "result", "wall", "processor" }
  { printf "%-30s %-20s %5d s %7d s\n", $1, $2, $3, $4; wall += $3; cpu += $4 }
  END { printf "%-30s %-20s %5d s %7d s\n", "total", "", wall, cpu }' "$RESULTS"
! grep -q FAILED "$RESULTS"
