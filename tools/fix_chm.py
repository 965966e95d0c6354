#!/usr/bin/env python3
"""Makes a CHM built by chmcmd reproducible and readable by libmspack: zeroes
the two time stamps (the ITSF header's, and #SYSTEM entry 10) and writes the
second header GUID that chmcmd gets wrong."""
import struct
import sys

GUID2 = bytes.fromhex("11FD017CAA7BD0119E0C00A0C922E6EC")


def encint(data, pos):
    value = 0
    while True:
        b = data[pos]
        pos += 1
        value = (value << 7) | (b & 0x7F)
        if b < 0x80:
            return value, pos


def find(data, wanted):
    dir_offset, = struct.unpack_from("<Q", data, 0x48)
    content_offset, = struct.unpack_from("<Q", data, 0x58)
    assert data[dir_offset:dir_offset + 4] == b"ITSP"
    header_len, = struct.unpack_from("<I", data, dir_offset + 8)
    chunk_size, = struct.unpack_from("<I", data, dir_offset + 0x10)
    chunks, = struct.unpack_from("<I", data, dir_offset + 0x2C)
    for c in range(chunks):
        chunk = dir_offset + header_len + c * chunk_size
        if data[chunk:chunk + 4] != b"PMGL":
            continue
        free, = struct.unpack_from("<I", data, chunk + 4)
        pos, end = chunk + 0x14, chunk + chunk_size - free
        while pos < end:
            n, pos = encint(data, pos)
            name = data[pos:pos + n].decode("utf-8")
            pos += n
            section, pos = encint(data, pos)
            offset, pos = encint(data, pos)
            length, pos = encint(data, pos)
            if name == wanted:
                assert section == 0
                return content_offset + offset, length
    raise SystemExit(f"{wanted} not found")


def main(path):
    data = bytearray(open(path, "rb").read())
    assert data[:4] == b"ITSF"
    data[0x10:0x14] = bytes(4)
    data[0x28:0x38] = GUID2
    start, length = find(data, "/#SYSTEM")
    pos, end = start + 4, start + length
    while pos + 4 <= end:
        code, size = struct.unpack_from("<HH", data, pos)
        if code == 10:
            data[pos + 4:pos + 4 + size] = bytes(size)
        pos += 4 + size
    open(path, "wb").write(data)


main(sys.argv[1])
