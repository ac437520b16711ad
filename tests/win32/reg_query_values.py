#!/usr/bin/env python3
"""Reads `reg query KEY /s` output on stdin and prints every value below KEY
as KEY|NAME|TYPE|DATA, KEY relative to the queried key (argv[1]), sorted."""
import sys

SEP = "    "


def main():
    root = sys.argv[1].rstrip("\\")
    prefix = root + "\\"
    key = None
    lines = []
    for raw in sys.stdin.read().replace("\r\n", "\n").split("\n"):
        if raw.startswith("HKEY_"):
            # Key names may end in blanks: keep the line as it is.
            if raw.lower() == root.lower():
                key = ""
            elif raw.lower().startswith(prefix.lower()):
                key = raw[len(prefix):]
            else:
                key = None
            continue
        if key is None or not raw.startswith(SEP):
            continue
        parts = raw[len(SEP):].split(SEP, 2)
        if len(parts) < 2:
            continue
        name, vtype = parts[0], parts[1]
        data = parts[2] if len(parts) > 2 else ""
        lines.append(f"{key}|{name}|{vtype}|{data}")
    for line in sorted(lines):
        print(line)


if __name__ == "__main__":
    main()
