#!/usr/bin/env python3
"""Writes COUNT 8-bit BMP frames of WIDTH x HEIGHT sharing one palette of 248 colours
that lie away from the standard colours, so that the combined picture can be reduced
without loss. Usage: make_frames.py FOLDER [COUNT WIDTH HEIGHT]"""
import os
import struct
import sys

folder = sys.argv[1]
count, width, height = (int(a) for a in (sys.argv[2:5] if len(sys.argv) >= 5 else (150, 450, 400)))
os.makedirs(folder, exist_ok=True)
palette = b"".join(struct.pack("<BBBB", 30 + i % 11, 60 + i % 50, i, 0) for i in range(248)) + b"\0" * 32
stride = (width + 3) & ~3
size = 14 + 40 + 1024 + stride * height
header = struct.pack("<2sIHHI", b"BM", size, 0, 0, 14 + 40 + 1024)
info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 8, 0, stride * height, 2835, 2835, 256, 0)
state = 12345
for k in range(count):
    rows = []
    for y in range(height):
        # A cheap pattern with every colour in use; no two frames alike.
        row = bytes(((x * 7 + y * 13 + k * 31) ^ (x >> 3)) % 248 for x in range(width))
        rows.append(row + b"\0" * (stride - width))
    with open(os.path.join(folder, "frame%03d.bmp" % k), "wb") as f:
        f.write(header + info + palette + b"".join(rows))
