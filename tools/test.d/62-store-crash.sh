#!/bin/sh
# Kills `quorrel -s update` and `quorrel -s delete` at random instants
# (QUORREL_CRASH_KILLS update kills, 200 by default), and one of two
# programs using the store at once, and checks the store after each kill;
# runs the update on a nearly full disk; then the store bench prints its
# figures (not timed).
set -e
cd "$(dirname "$0")/../.."
sh tools/deps.sh python3
python3 tools/store-crash.py build "${QUORREL_CRASH_KILLS:-200}" 2 20
# The full disk needs a small file system of its own: a tmpfs, mounted when
# this runs as root.
full=$(mktemp -d /tmp/quorrel-fulldisk.XXXXXX)
if [ "$(id -u)" = 0 ] && mount -t tmpfs -o size=2m tmpfs "$full" 2>/dev/null; then
  status=0
  python3 tools/store-crash.py --full-disk "$full" build || status=$?
  umount "$full"
  rmdir "$full"
  [ "$status" = 0 ] || exit "$status"
else
  rmdir "$full"
  echo "store-crash: full-disk test skipped (needs root to mount a small tmpfs)"
fi
python3 bench/store_bench.py build/quorrel
