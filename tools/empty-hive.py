#!/usr/bin/env python3
"""Writes empty registry hives: a base block and one bin holding nothing but
the root key (named $$$PROTO.HIV) and its security descriptor (owner and
group Administrators, no DACL). quorrel-reg fills them.

usage: empty-hive.py <file>...
"""
import struct
import sys


def empty_hive(path):
    """A hive with nothing but its root key: base block, one bin holding the
    root key and its security descriptor."""
    sd = struct.pack("<BBHIIII", 1, 0, 0x8004, 20, 36, 0, 0) + \
        bytes([1, 2, 0, 0, 0, 0, 0, 5, 32, 0, 0, 0, 32, 2, 0, 0]) * 2
    name = b"$$$PROTO.HIV"
    nk_size = (4 + 0x4C + len(name) + 7) // 8 * 8
    sk_at = 0x20 + nk_size
    nk = struct.pack("<2sHQIIIIIIIIIIIIIIIHH", b"nk", 0x2C, 0, 0, 0, 0, 0,
                     0xFFFFFFFF, 0xFFFFFFFF, 0, 0xFFFFFFFF, sk_at, 0xFFFFFFFF,
                     0, 0, 0, 0, 0, len(name), 0) + name
    sk = struct.pack("<2sHIIII", b"sk", 0, sk_at, sk_at, 1, len(sd)) + sd
    sk_size = (4 + len(sk) + 7) // 8 * 8
    cells = struct.pack("<i", -nk_size) + nk.ljust(nk_size - 4, b"\0") + \
        struct.pack("<i", -sk_size) + sk.ljust(sk_size - 4, b"\0")
    free = 4096 - 0x20 - len(cells)
    hbin = struct.pack("<4sII", b"hbin", 0, 4096).ljust(0x20, b"\0") + \
        cells + struct.pack("<i", free) + b"\0" * (free - 4)
    base = bytearray(struct.pack("<4sIIQIIIIIII", b"regf", 1, 1, 0, 1, 3, 0,
                                 1, 0x20, 4096, 1).ljust(4096, b"\0"))
    checksum = 0
    for (word,) in struct.iter_unpack("<I", bytes(base[:508])):
        checksum ^= word
    base[508:512] = struct.pack("<I", checksum or 1)
    with open(path, "wb") as f:
        f.write(bytes(base) + hbin)


def main():
    if len(sys.argv) < 2:
        print(__doc__, file=sys.stderr)
        return 2
    for path in sys.argv[1:]:
        empty_hive(path)
    return 0


if __name__ == "__main__":
    sys.exit(main())
