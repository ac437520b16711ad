#!/usr/bin/env python3
"""Checks that an executable is what Windows NT 4.0's loader starts.

Usage: check-image.py EXE

Reads the PE headers themselves (no objdump): a PE32 image (optional
header magic 0x10b) for the i386 machine, the Windows GUI subsystem, and
subsystem and operating system version 4.0; NT 4.0 refuses an image that
asks for a later version. Exit 1 names every check that fails.
"""
import struct
import sys

IMAGE_FILE_MACHINE_I386 = 0x14C
PE32_MAGIC = 0x10B
IMAGE_SUBSYSTEM_WINDOWS_GUI = 2


def read_headers(data):
    if data[:2] != b"MZ":
        return None, "no MZ header"
    (pe_offset,) = struct.unpack_from("<I", data, 0x3C)
    if data[pe_offset:pe_offset + 4] != b"PE\0\0":
        return None, "no PE signature"
    (machine,) = struct.unpack_from("<H", data, pe_offset + 4)
    optional = pe_offset + 24
    (magic,) = struct.unpack_from("<H", data, optional)
    os_major, os_minor = struct.unpack_from("<HH", data, optional + 40)
    sub_major, sub_minor = struct.unpack_from("<HH", data, optional + 48)
    (subsystem,) = struct.unpack_from("<H", data, optional + 68)
    return {
        "machine": machine, "magic": magic, "subsystem": subsystem,
        "os": (os_major, os_minor), "subsystem version": (sub_major, sub_minor),
    }, None


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__.strip().splitlines()[2])
    exe = sys.argv[1]
    with open(exe, "rb") as image:
        headers, error = read_headers(image.read())
    if error:
        sys.exit(f"{exe}: {error}")
    wanted = {
        "machine": IMAGE_FILE_MACHINE_I386, "magic": PE32_MAGIC,
        "subsystem": IMAGE_SUBSYSTEM_WINDOWS_GUI,
        "os": (4, 0), "subsystem version": (4, 0),
    }
    failed = [f"{name} is {headers[name]!r}, not {value!r}"
              for name, value in wanted.items() if headers[name] != value]
    for failure in failed:
        print(f"{exe}: {failure}")
    if failed:
        return 1
    print(f"{exe}: PE32 i386 GUI image, subsystem and OS version 4.0")
    return 0


if __name__ == "__main__":
    sys.exit(main())
