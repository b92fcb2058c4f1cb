#!/usr/bin/env python3
"""Stamps the PE checksum into an executable, the value MapFileAndCheckSumW recomputes at
start-up to detect a damaged program file.

    pe-checksum.py stamp FILE    writes the checksum into FILE's optional header
    pe-checksum.py verify FILE   exits 1 unless the stored checksum matches the contents
"""
import struct
import sys


def checksum_offset(data: bytes) -> int:
    if data[:2] != b"MZ":
        raise ValueError("not an MZ executable")
    pe = struct.unpack_from("<I", data, 0x3C)[0]
    if data[pe:pe + 4] != b"PE\0\0":
        raise ValueError("no PE signature")
    # The optional header follows the 4-byte signature and the 20-byte file header; its
    # CheckSum field is at offset 64 in both the PE32 and the PE32+ layout.
    return pe + 4 + 20 + 64


def compute(data: bytes, skip: int) -> int:
    # The stored checksum takes no part in its own computation.
    copy = bytearray(data)
    copy[skip:skip + 4] = b"\0\0\0\0"
    if len(copy) % 2:
        copy += b"\0"
    total = 0
    for (word,) in struct.iter_unpack("<H", copy):
        total += word
        total = (total & 0xFFFF) + (total >> 16)
    total = (total & 0xFFFF) + (total >> 16)
    return (total & 0xFFFF) + len(data)


def main() -> int:
    if len(sys.argv) != 3 or sys.argv[1] not in ("stamp", "verify"):
        print(__doc__, file=sys.stderr)
        return 2
    path = sys.argv[2]
    with open(path, "rb") as f:
        data = bytearray(f.read())
    offset = checksum_offset(data)
    value = compute(bytes(data), offset)
    if sys.argv[1] == "verify":
        stored = struct.unpack_from("<I", data, offset)[0]
        return 0 if stored == value else 1
    struct.pack_into("<I", data, offset, value)
    with open(path, "wb") as f:
        f.write(data)
    return 0


if __name__ == "__main__":
    sys.exit(main())
