#!/bin/sh
# `quorrel.exe -s delete -d FOLDER` in the Wine prefix, seeded with the
# suite's registry keys and files: the result file holds exactly "Delete=1"
# CR LF, every trace is gone, Windows' own PC Card driver is back from the
# program folder, and what is not the suite's is kept.
# Usage: silent_delete.sh QUORREL_EXE
set -eu
# The Wine loader of the build's width (the stage exports it).
WINE=${WINE:-wine}
EXE=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
FAILED=0
fail() { printf 'FAIL: %s\n' "$*"; FAILED=1; }

winvar() { "$WINE" cmd /c echo "%$1%" 2>/dev/null | tr -d '\r'; }
unix() { "$WINE" winepath -u "$1" 2>/dev/null | tr -d '\r'; }
SYSTEM=$(unix 'C:\windows\system32')
WINDOWS=$(unix 'C:\windows')
TEMP_DIR=$(unix "$(winvar TEMP)")
COMMON_PROGRAMS=$(unix "$(winvar ProgramData)\\Microsoft\\Windows\\Start Menu\\Programs")
USER_PROGRAMS=$(unix "$(winvar APPDATA)\\Microsoft\\Windows\\Start Menu\\Programs")
FOLDER_WIN='C:\Program Files\Tessarine'
FOLDER=$(unix "$FOLDER_WIN")

SERVICES='HKLM\System\CurrentControlSet\Services'
PROFILE='HKLM\System\CurrentControlSet\Hardware Profiles\0001\System\CurrentControlSet\Services'
WINLOGON='HKLM\SOFTWARE\Microsoft\Windows NT\CurrentVersion\Winlogon'
# Windows' logon program, then the suite's: the suite's entry goes, the
# separators stay as they were (Windows' own value ends in a comma).
USERINIT_SEEDED='C:\windows\system32\userinit.exe,C:\Program Files\Tessarine\Mardel.exe,'
USERINIT_EXPECTED='C:\windows\system32\userinit.exe,'

# The suite's registry footprint.
for service in Trevant Pellin Pellix Gorvan Kestan Velcor Quesk Yurrin \
  Fennet Dovrel Mirrow Sidrel Brannic Tallum Orvik; do
  "$WINE" reg add "$SERVICES\\$service\\Parameters" /v Seeded /t REG_DWORD /d 1 /f >/dev/null 2>&1
done
"$WINE" reg add "$PROFILE\\Velcor" /v Seeded /t REG_DWORD /d 1 /f >/dev/null 2>&1
"$WINE" reg add "$PROFILE\\Orvik" /v Seeded /t REG_DWORD /d 1 /f >/dev/null 2>&1
"$WINE" reg add 'HKLM\SOFTWARE\Corvane\Tessarine for Windows NT' /v Seeded /d 1 /f >/dev/null 2>&1
"$WINE" reg add 'HKCU\SOFTWARE\Corvane\Tessarine for Windows NT' /v Seeded /d 1 /f >/dev/null 2>&1
"$WINE" reg add 'HKU\.DEFAULT\Software\Corvane\Tessarine for Windows NT' /v Seeded /d 1 /f >/dev/null 2>&1
"$WINE" reg add 'HKLM\SOFTWARE\Microsoft\Windows\CurrentVersion\Uninstall\Tessarine for Windows NT' /v Seeded /d 1 /f >/dev/null 2>&1
"$WINE" reg add 'HKLM\SOFTWARE\Microsoft\Windows\CurrentVersion\Run' /v Glimmet /d 'C:\Glimmet.exe' /f >/dev/null 2>&1
"$WINE" reg add 'HKLM\SOFTWARE\Microsoft\Windows\CurrentVersion\Run' /v KeptRun /d 'C:\kept.exe' /f >/dev/null 2>&1
"$WINE" reg add "$WINLOGON" /v Userinit /d "$USERINIT_SEEDED" /f >/dev/null 2>&1

# The suite's file footprint, and Windows' driver it replaced.
mkdir -p "$SYSTEM/drivers" "$FOLDER" "$TEMP_DIR/_istmp1.dir" \
  "$COMMON_PROGRAMS/Tessarine for Windows NT" "$USER_PROGRAMS/Tessarine"
for file in Velcor.sys Dovrel.sys Wembic.sys Harnow.sys Trevant.exe; do
  echo suite > "$SYSTEM/drivers/$file"
done
echo suite-pcmcia > "$SYSTEM/drivers/Pcmcia.sys"
echo windows-pcmcia > "$FOLDER/Pcmcia.sys"
echo readme > "$FOLDER/readme.txt"
echo installer > "$WINDOWS/_detmp.1"
echo installer > "$TEMP_DIR/_istmp1.dir/_setup.dll"
echo shortcut > "$COMMON_PROGRAMS/Tessarine for Windows NT/Tessarine Help.lnk"
echo shortcut > "$USER_PROGRAMS/Tessarine/Tessarine.lnk"
echo kept > "$SYSTEM/drivers/kept.sys"

cd "$WORK"
# An error box would wait for a person: give up after a minute.
timeout 60 "$WINE" "$EXE" -s delete -d "$FOLDER_WIN" 2>wine.err ||
  { fail "quorrel.exe did not end by itself"; cat wine.err; }
printf 'Delete=1\r\n' > expected.log
cmp -s expected.log quorrel.log || { fail "quorrel.log is not Delete=1 CR LF:"; od -c quorrel.log || true; }

gone_key() { "$WINE" reg query "$1" >/dev/null 2>&1 && fail "key still there: $1" || true; }
kept_key() { "$WINE" reg query "$1" >/dev/null 2>&1 || fail "key removed: $1"; }
for service in Trevant Pellin Pellix Gorvan Kestan Velcor Quesk Yurrin \
  Fennet Dovrel Mirrow Sidrel Brannic Tallum Orvik; do
  gone_key "$SERVICES\\$service"
done
gone_key "$PROFILE\\Velcor"
kept_key "$PROFILE\\Orvik"  # Orvik keeps its hardware-profile copy
gone_key 'HKLM\SOFTWARE\Corvane\Tessarine for Windows NT'
gone_key 'HKCU\SOFTWARE\Corvane\Tessarine for Windows NT'
gone_key 'HKU\.DEFAULT\Software\Corvane\Tessarine for Windows NT'
gone_key 'HKLM\SOFTWARE\Microsoft\Windows\CurrentVersion\Uninstall\Tessarine for Windows NT'
"$WINE" reg query 'HKLM\SOFTWARE\Microsoft\Windows\CurrentVersion\Run' /v Glimmet >/dev/null 2>&1 &&
  fail "Run value Glimmet still there"
"$WINE" reg query 'HKLM\SOFTWARE\Microsoft\Windows\CurrentVersion\Run' /v KeptRun >/dev/null 2>&1 ||
  fail "Run value KeptRun removed"
USERINIT_AFTER=$("$WINE" reg query "$WINLOGON" /v Userinit 2>/dev/null | tr -d '\r' |
  sed -n 's/^ *Userinit *REG_SZ *//p')
[ "$USERINIT_AFTER" = "$USERINIT_EXPECTED" ] ||
  fail "Userinit is \"$USERINIT_AFTER\", not \"$USERINIT_EXPECTED\""

for path in "$SYSTEM/drivers/Velcor.sys" "$SYSTEM/drivers/Dovrel.sys" \
  "$SYSTEM/drivers/Wembic.sys" "$SYSTEM/drivers/Harnow.sys" \
  "$SYSTEM/drivers/Trevant.exe" "$FOLDER" "$WINDOWS/_detmp.1" \
  "$TEMP_DIR/_istmp1.dir" "$COMMON_PROGRAMS/Tessarine for Windows NT" \
  "$USER_PROGRAMS/Tessarine"; do
  [ -e "$path" ] && fail "still there: $path"
done
[ -e "$SYSTEM/drivers/kept.sys" ] || fail "an unrelated driver was removed"
[ "$(cat "$SYSTEM/drivers/Pcmcia.sys" 2>/dev/null)" = windows-pcmcia ] ||
  fail "Windows' Pcmcia.sys was not restored from the program folder"
rm -f "$SYSTEM/drivers/kept.sys"

[ "$FAILED" -eq 0 ] || exit 1
echo "silent delete: Delete=1, the seeded keys and files are gone"
