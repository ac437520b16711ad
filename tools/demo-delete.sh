#!/bin/sh
# Seeds a machine directory with an installation of Tessarine next to a few
# unrelated files and keys, runs the silent Clear on it, and shows what went:
# the result file, the files and folders removed or changed, and the change
# to each registry file. With --hive the registry is the hive files of an NT
# installation (WINNT/system32/config, the profile's NTUSER.DAT), made empty
# and filled with quorrel-reg import; the change is read back with reglookup.
#
#   sh tools/demo-delete.sh [--hive] [machine-directory]   (default: a temp dir)
set -e
ROOT=$(cd "$(dirname "$0")/.." && pwd)
HIVE=
if [ "$1" = --hive ]; then HIVE=1; shift; fi
[ -x "$ROOT/build/quorrel" ] || sh "$ROOT/tools/build.sh" >/dev/null
M=${1:-$(mktemp -d "${TMPDIR:-/tmp}/quorrel-demo-XXXXXX")}
WORK=$(mktemp -d "${TMPDIR:-/tmp}/quorrel-demo-run-XXXXXX")
mkdir -p "$M/registry"

file() { mkdir -p "$(dirname "$M/$1")"; printf '%s' "$2" > "$M/$1"; }
D=WINNT/system32/drivers
for f in Pellin.sys Velcor.sys Dovrel.sys Wembic.sys Zandre.sys Lorrin.dll Trevant.exe; do
  file "$D/$f" "suite $f"
done
file "$D/Pcmcia.sys" "the suite's replacement"
file "$D/atdisk.sys" "windows atdisk"
file WINNT/_detmp.1 "installer leftover"
file WINNT/win.ini "[windows]"
file TEMP/_istmp12.dir/setup.ins "installer leftover"
file TEMP/other.tmp "unrelated"
P="Program Files/Corvane/Tessarine"
file "$P/Pcmcia.sys" "Windows' own Pcmcia.sys"
file "$P/Glimmet.exe" "tray application"
file "$P/Mardel.exe" "main executable"
for U in "All Users" Administrator; do
  file "WINNT/Profiles/$U/Start Menu/Programs/Tessarine/Tessarine Help.lnk" "shortcut"
  file "WINNT/Profiles/$U/Start Menu/Programs/Accessories/Notepad.lnk" "shortcut"
done

S='HKEY_LOCAL_MACHINE\SYSTEM\ControlSet001'
cat > "$M/registry/HKEY_LOCAL_MACHINE.reg" <<REG
REGEDIT4

[HKEY_LOCAL_MACHINE\SYSTEM\Select]
"Current"=dword:00000001

[$S\Control\GroupOrderList]
"System Bus Extender"=hex:04,00,00,00,01,00,00,00,1e,00,00,00,14,00,00,00,04,00,00,00

[$S\Services\Velcor]
"Type"=dword:00000001
"Group"="System Bus Extender"
"Tag"=dword:00000001

[$S\Services\Velcor\Parameters\PIRQS]
"1"=dword:0000000b

[$S\Services\Dovrel]
"Type"=dword:00000001
"Group"="System Bus Extender"
"Tag"=dword:00000004

[$S\Services\Trevant]
"Type"=dword:00000010
"ImagePath"="System32\\\\drivers\\\\Trevant.exe"

[$S\Services\Pcmcia]
"Group"="System Bus Extender"
"Tag"=dword:00000014
"ImagePath"="System32\\\\DRIVERS\\\\Wembic.sys"

[$S\Services\Cdrom]
"ImagePath"="System32\\\\DRIVERS\\\\Zandre.sys"
"Start"=dword:00000003

[$S\Hardware Profiles\0001\System\CurrentControlSet\Services\Velcor]
"Start"=dword:00000000

[HKEY_LOCAL_MACHINE\SOFTWARE\Corvane\Tessarine for Windows NT]
"Version"="4.1"

[HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\Windows\CurrentVersion\Run]
"Glimmet"="C:\\\\Program Files\\\\Corvane\\\\Tessarine\\\\Glimmet.exe"
"SystemTray"="SysTray.Exe"

[HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\Windows\CurrentVersion\Uninstall\Tessarine for Windows NT]
"UninstallString"="C:\\\\WINNT\\\\IsUninst.exe"

[HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\Windows NT\CurrentVersion\Winlogon]
"Userinit"="C:\\\\WINNT\\\\system32\\\\userinit.exe,C:\\\\Program Files\\\\Corvane\\\\Tessarine\\\\Mardel.exe,"
"Shell"="Explorer.exe"
REG
cat > "$M/registry/HKEY_USERS.reg" <<'REG'
REGEDIT4

[HKEY_USERS\.DEFAULT\Software\Corvane\Tessarine for Windows NT]
"Notify"=dword:00000001

[HKEY_USERS\.DEFAULT\Software\Corvane\ATA]
"Card"=dword:00000001
REG
echo Trevant > "$M/services.state"

CONFIG=WINNT/system32/config
NTUSER=WINNT/Profiles/Administrator/NTUSER.DAT
if [ -n "$HIVE" ]; then
  mkdir -p "$M/$CONFIG"
  python3 "$ROOT/tools/empty-hive.py" "$M/$CONFIG/SYSTEM" "$M/$CONFIG/SOFTWARE" \
    "$M/$CONFIG/DEFAULT" "$M/$NTUSER"
  for F in HKEY_LOCAL_MACHINE HKEY_USERS; do
    QUORREL_MACHINE="$M" USER=Administrator "$ROOT/build/quorrel-reg" import \
      "$M/registry/$F.reg"
  done
  rm -r "$M/registry"
fi

BEFORE=$(mktemp -d "${TMPDIR:-/tmp}/quorrel-demo-before-XXXXXX")
cp -a "$M/." "$BEFORE/"
listing() { (cd "$1" && find . -path ./registry -prune -o -path ./run -prune \
  -o -name services.state -prune -o -name quorrel-debug.log -prune \
  -o -path "./$CONFIG/*" -prune -o -name NTUSER.DAT -prune \
  -o -type f -printf '%P  (%s bytes)\n' -o -type d -printf '%P/\n' | sort); }

echo "machine directory: $M"
printf '%s\n' 'running: quorrel -s delete -d "C:\Program Files\Corvane\Tessarine" (the tray wait takes 10 seconds)'
(cd "$WORK" && QUORREL_MACHINE="$M" QUORREL_ADMIN=1 QUORREL_ANSWERS= \
  QUORREL_BROWSE= USER=Administrator "$ROOT/build/quorrel" -s delete \
  -d "C:\\Program Files\\Corvane\\Tessarine")
printf 'quorrel.log: '; od -An -c "$WORK/quorrel.log" | tr -s ' '
echo "--- files and folders (- removed, + new or changed)"
listing "$BEFORE" > "$WORK/before.txt"; listing "$M" > "$WORK/after.txt"
diff "$WORK/before.txt" "$WORK/after.txt" | grep '^[<>]' | sed 's/^</-/; s/^>/+/' || true
echo "Pcmcia.sys in $D now holds: $(cat "$M/$D/Pcmcia.sys")"
if [ -n "$HIVE" ]; then
  for F in "$CONFIG/SYSTEM" "$CONFIG/SOFTWARE" "$CONFIG/DEFAULT" "$NTUSER"; do
    echo "--- $F, as reglookup reads it"
    reglookup -H "$BEFORE/$F" > "$WORK/before.txt"
    reglookup -H "$M/$F" > "$WORK/after.txt"
    diff "$WORK/before.txt" "$WORK/after.txt" | grep '^[<>]' | sed 's/^</-/; s/^>/+/' || true
  done
else
  for F in HKEY_LOCAL_MACHINE HKEY_USERS; do
    echo "--- registry/$F.reg"
    diff "$BEFORE/registry/$F.reg" "$M/registry/$F.reg" | grep '^[<>]' | sed 's/^</-/; s/^>/+/' || true
  done
fi
rm -rf "$BEFORE" "$WORK"
