#!/bin/sh
# libFuzzer with ASan + UBSan on the store reader, the command line and the
# hive engine:
# first every input kept in fuzz/corpus (earlier finds stay regression
# tests), then QUORREL_FUZZ_SECONDS (60) of new inputs for each target.
set -e
cd "$(dirname "$0")/../.."
sh tools/deps.sh cmake make clang-14 libclang-rt-14-dev libgtest-dev libgmock-dev
BUILD_DIR=${FUZZ_BUILD_DIR:-build-fuzz}
CXX=${FUZZ_CXX:-clang++-14} cmake -S . -B "$BUILD_DIR" \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUORREL_FUZZ=ON >/dev/null
cmake --build "$BUILD_DIR" -j "$(nproc)" --target RegFileFuzzer CommandLineFuzzer HiveFuzzer
SECONDS_EACH=${QUORREL_FUZZ_SECONDS:-60}
for pair in RegFileFuzzer:regfile CommandLineFuzzer:commandline HiveFuzzer:hive; do
  target=${pair%%:*}
  corpus=fuzz/corpus/${pair#*:}
  work=$(mktemp -d)
  # A hive is at least a 4 KB base block and a 4 KB bin.
  max_len=4096; [ "$target" = HiveFuzzer ] && max_len=16384
  echo "--- $target: the kept inputs, then ${SECONDS_EACH}s"
  "$BUILD_DIR/$target" -runs=0 "$corpus"
  (cd "$work" && "$OLDPWD/$BUILD_DIR/$target" -max_total_time="$SECONDS_EACH" \
    -max_len=$max_len -print_final_stats=1 . "$OLDPWD/$corpus" 2>&1 | tail -3)
  status=$?
  if ls "$work"/crash-* "$work"/leak-* "$work"/timeout-* >/dev/null 2>&1; then
    echo "$target found a failing input; add it to $corpus:"
    ls "$work"/crash-* "$work"/leak-* "$work"/timeout-* 2>/dev/null
    exit 1
  fi
  rm -rf "$work"
  [ "$status" -eq 0 ] || exit "$status"
done
