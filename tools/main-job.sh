#!/bin/sh
# The main job: builds quorrel, runs the silent update on the machine
# directory ($QUORREL_MACHINE, or the default), then shows the result file
# and what the update wrote.
set -e
cd "$(dirname "$0")/.."
sh tools/build.sh
ROOT=$(pwd)
RUN_DIR=$(mktemp -d)
cd "$RUN_DIR"
"$ROOT/build/quorrel" -s update
echo "--- quorrel.log ($(wc -c < quorrel.log) bytes):"
od -c quorrel.log | head -2
echo "--- written to the card database:"
"$ROOT/build/quorrel-reg" dump 'HKEY_LOCAL_MACHINE\System\CurrentControlSet\Services\Dovrel\DataBase'
