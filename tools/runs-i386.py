#!/usr/bin/env python3
"""Tells whether this machine runs 32-bit (i386) programs, in a moment.

Writes the smallest i386 Linux program (an ELF header, one segment, and
`exit(42)` by int 0x80) to a temporary file and runs it: the kernel either
runs it (status 42) or refuses it ("Exec format error" where its 32-bit
emulation is off). Nothing installed is consulted, since packages can be
there that cannot run. Prints the verdict; exit 0 when it runs, else 1.
"""
import os
import struct
import subprocess
import sys
import tempfile

BASE = 0x08048000
ELF_HEADER_SIZE = 52
PROGRAM_HEADER_SIZE = 32
# mov ebx, 42; mov eax, 1 (exit); int 0x80
CODE = bytes([0xBB, 42, 0, 0, 0, 0xB8, 1, 0, 0, 0, 0xCD, 0x80])


def tiny_program():
    size = ELF_HEADER_SIZE + PROGRAM_HEADER_SIZE + len(CODE)
    entry = BASE + ELF_HEADER_SIZE + PROGRAM_HEADER_SIZE
    ident = b"\x7fELF" + bytes([1, 1, 1, 0]) + bytes(8)  # 32-bit, LSB, v1
    header = ident + struct.pack("<HHIIIIIHHHHHH", 2, 3, 1, entry,
                                 ELF_HEADER_SIZE, 0, 0, ELF_HEADER_SIZE,
                                 PROGRAM_HEADER_SIZE, 1, 0, 0, 0)
    segment = struct.pack("<IIIIIIII", 1, 0, BASE, BASE, size, size, 5,
                          0x1000)  # PT_LOAD, read + execute
    return header + segment + CODE


def main():
    with tempfile.TemporaryDirectory() as folder:
        path = os.path.join(folder, "i386-probe")
        with open(path, "wb") as program:
            program.write(tiny_program())
        os.chmod(path, 0o755)
        try:
            status = subprocess.run([path], timeout=10).returncode
            reason = f"it ended with status {status}, not 42"
        except OSError as error:
            status, reason = None, error.strerror
        except subprocess.TimeoutExpired:
            status, reason = None, "it did not end"
    if status == 42:
        print("this machine runs 32-bit programs")
        return 0
    print(f"this machine cannot run 32-bit programs ({reason})")
    return 1


if __name__ == "__main__":
    sys.exit(main())
