#!/bin/sh
# Kills `quorrel -s update` and `quorrel -s delete` at random instants
# (QUORREL_CRASH_KILLS update kills, 200 by default) and checks the store
# after each kill; then the store bench prints its figures (not timed).
set -e
cd "$(dirname "$0")/../.."
sh tools/deps.sh python3
python3 tools/store-crash.py build "${QUORREL_CRASH_KILLS:-200}" 2
python3 bench/store_bench.py build/quorrel
