#!/bin/sh
# `quorrel.exe -s update` in the Wine prefix: the result file holds exactly
# "Update=1" CR LF, and the card database read back with `reg query` holds
# exactly the values of the card list written down in CARD_DATABASE
# (tests/data/CardDatabase.txt), not those of the program's own table.
# Usage: silent_update.sh QUORREL_EXE CARD_DATABASE
set -eu
# The Wine loader of the build's width (the stage exports it).
WINE=${WINE:-wine}
EXE=$1
CARD_DATABASE=$2
HERE=$(cd "$(dirname "$0")" && pwd)
DB='HKEY_LOCAL_MACHINE\System\CurrentControlSet\Services\Dovrel\DataBase'
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
cd "$WORK"

# No card database before the run, so that every value must come from it.
"$WINE" reg delete 'HKLM\System\CurrentControlSet\Services\Dovrel' /f >/dev/null 2>&1 || true
printf 'stale content that must go\n' > quorrel.log

"$WINE" "$EXE" -s update
printf 'Update=1\r\n' > expected.log
if ! cmp -s expected.log quorrel.log; then
  echo "FAIL: quorrel.log is not Update=1 CR LF:"; od -c quorrel.log; exit 1
fi

"$WINE" reg query "$DB" /s > query.txt
python3 "$HERE/reg_query_values.py" "$DB" < query.txt | LC_ALL=C sort > actual.txt
grep -v '^#' "$CARD_DATABASE" | LC_ALL=C sort > expected.txt
COUNT=$(wc -l < actual.txt)
if ! diff expected.txt actual.txt; then
  echo "FAIL: the card database differs from the card list (< list, > registry)"
  exit 1
fi
if [ "$COUNT" -ne 93 ]; then
  echo "FAIL: $COUNT values in the card database, not 93"; exit 1
fi
echo "silent update: Update=1, $COUNT values read back with reg query"
