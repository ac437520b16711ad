#!/usr/bin/env python3
"""Checks that a Windows executable imports nothing its allowlist lacks.

Usage: check-imports.py OBJDUMP EXE ALLOWLIST

Reads the import table with `OBJDUMP -p EXE` and fails (exit 1) on any DLL,
or any function of a DLL, that the allowlist does not name. The allowlist
has a `[dll]` line before the functions of each DLL, one function a line;
`#` starts a note. DLL names match without regard to case, functions
exactly, as the loader resolves them. Entries the executable no longer
imports are reported, so the list stays what the program needs.
"""
import re
import subprocess
import sys

DLL_LINE = re.compile(r"^\s*DLL Name:\s*(\S+)")
# "\t<hint/name rva>\t <hint>  <name>", or an ordinal: "<ordinal>  <none>".
FUNCTION_LINE = re.compile(r"^\s+[0-9a-fA-F]+\s+(\d+)\s+(\S+)\s*$")


def read_allowlist(path):
    allowed = {}
    dll = None
    with open(path, encoding="utf-8") as listing:
        for number, line in enumerate(listing, 1):
            entry = line.split("#", 1)[0].strip()
            if not entry:
                continue
            if entry.startswith("[") and entry.endswith("]"):
                dll = entry[1:-1].strip().lower()
                allowed.setdefault(dll, set())
            elif dll is None:
                sys.exit(f"{path}:{number}: a function before any [dll] line")
            else:
                allowed[dll].add(entry)
    return allowed


def read_imports(objdump, exe):
    output = subprocess.run([objdump, "-p", exe], check=True,
                            capture_output=True, text=True).stdout
    imports = {}
    dll = None
    for line in output.splitlines():
        match = DLL_LINE.match(line)
        if match:
            dll = match.group(1).lower()
            imports.setdefault(dll, set())
            continue
        if dll is None:
            continue
        if not line.strip():
            dll = None
            continue
        match = FUNCTION_LINE.match(line)
        if match:
            name = match.group(2)
            imports[dll].add(f"#{match.group(1)}" if name == "<none>" else name)
    return imports


def main(argv):
    if len(argv) != 4:
        sys.exit(__doc__)
    objdump, exe, allowlist = argv[1:]
    allowed = read_allowlist(allowlist)
    imports = read_imports(objdump, exe)
    if not imports:
        sys.exit(f"FAIL: no import table read from {exe}")
    failures = []
    for dll in sorted(imports):
        if dll not in allowed:
            failures.append(f"{dll} (the whole DLL)")
            continue
        failures += [f"{dll}: {name}" for name in sorted(imports[dll] - allowed[dll])]
    for dll in sorted(allowed):
        unused = sorted(allowed[dll] - imports.get(dll, set()))
        if unused:
            print(f"note: allowed but not imported, {dll}: {', '.join(unused)}")
    for failure in failures:
        print(f"FAIL: not in the allowlist: {failure}")
    count = sum(len(names) for names in imports.values())
    if failures:
        return 1
    print(f"imports: {count} functions of {len(imports)} DLLs, all allowed")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
