#!/usr/bin/python3
"""Writes encrypted.xlsx: a compound document laid out as Excel and
LibreOffice save a workbook with a password (the streams EncryptionInfo and
EncryptedPackage), its contents random bytes. Debian's msoffcrypto-tool 5.0
decrypts but does not encrypt, so the test file is made here."""
import os
import struct
import sys

SECTOR = 512
FREE, END, FATSECT, NOSTREAM = 0xFFFFFFFF, 0xFFFFFFFE, 0xFFFFFFFD, 0xFFFFFFFF


def entry(name, kind, child=NOSTREAM, right=NOSTREAM, start=0, size=0):
    encoded = (name + "\0").encode("utf-16-le") if name else b""
    return (encoded.ljust(64, b"\0") + struct.pack("<HBB", len(encoded), kind, 1)
            + struct.pack("<III", NOSTREAM, right, child) + bytes(16) + bytes(4) + bytes(16)
            + struct.pack("<IQ", start, size))


rng = os.urandom
info, package = rng(8 * SECTOR), rng(8 * SECTOR)
fat = [FATSECT, END] + list(range(3, 10)) + [END] + list(range(11, 18)) + [END]
fat += [FREE] * (SECTOR // 4 - len(fat))
directory = (entry("Root Entry", 5, child=1) + entry("EncryptionInfo", 2, right=2, start=2,
                                                      size=len(info))
             + entry("EncryptedPackage", 2, start=10, size=len(package)) + entry("", 0))
header = (b"\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1" + bytes(16)
          + struct.pack("<HHHHH", 0x3E, 3, 0xFFFE, 9, 6) + bytes(6)
          + struct.pack("<IIIIIIIII", 0, 1, 1, 0, 4096, END, 0, END, 0)
          + struct.pack("<I", 0) + struct.pack("<I", FREE) * 108)
assert len(header) == SECTOR
with open(sys.argv[1] if len(sys.argv) > 1 else "encrypted.xlsx", "wb") as out:
    out.write(header + struct.pack("<%dI" % len(fat), *fat) + directory + info + package)
