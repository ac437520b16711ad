#!/bin/sh
# Builds everything and runs every test: the unit and end-to-end suite, then
# each stage of tools/test.d in order (sanitizers, fuzzing, crash test,
# Windows build under Wine ...).
set -e
cd "$(dirname "$0")/.."
sh tools/build.sh
# The hive tests read their results back with two readers of their own.
sh tools/deps.sh reglookup libregf-utils
(cd build && ctest --output-on-failure -j "$(nproc)")
for stage in tools/test.d/*.sh; do
  [ -e "$stage" ] || continue
  echo "=== $stage"
  sh "$stage"
done
