#!/usr/bin/env python3
"""Writes COUNT 8-bit BMP frames of WIDTH x HEIGHT sharing one palette of 248 colours
that lie away from the standard colours, and REDUCED: the combined picture of those
frames with the eight standard-colour strips as a lossless colour reduction would give
it (the standard colours moved by a distance of 1 and kept last in the palette).
Usage: make_frames.py FOLDER REDUCED [COUNT WIDTH HEIGHT]"""
import os
import struct
import sys

folder, reduced_name = sys.argv[1], sys.argv[2]
count, width, height = (int(a) for a in (sys.argv[3:6] if len(sys.argv) >= 6 else (150, 450, 400)))
standard = [(0, 255, 255), (255, 150, 255), (255, 100, 255), (255, 50, 255),
            (255, 0, 255), (255, 255, 0), (180, 0, 255), (0, 255, 0)]
figure = b"".join(struct.pack("<BBBB", 30 + i % 11, 60 + i % 50, i, 0) for i in range(248))


def write_bmp(name, w, h, palette, rows):
    """rows: top row first, each w bytes."""
    stride = (w + 3) & ~3
    pad = b"\0" * (stride - w)
    size = 14 + 40 + 1024 + stride * h
    with open(name, "wb") as f:
        f.write(struct.pack("<2sIHHI", b"BM", size, 0, 0, 14 + 40 + 1024))
        f.write(struct.pack("<IiiHHIIiiII", 40, w, h, 1, 8, 0, stride * h, 2835, 2835, 256, 0))
        f.write(palette)
        f.write(b"".join(row + pad for row in reversed(rows)))


os.makedirs(folder, exist_ok=True)
table = bytes(range(248)) * 2
frames = []
for k in range(count):
    # A cheap pattern with every colour in use; no two frames alike.
    rows = [(table[(y * 13 + k * 31) % 248:] * (width // 248 + 2))[:width] for y in range(height)]
    frames.append(rows)
    write_bmp(os.path.join(folder, "frame%03d.bmp" % k), width, height, figure + b"\0" * 32, rows)

moved = b"".join(struct.pack("<BBBB", b, g, r ^ 1, 0) for r, g, b in standard)
strips = b"".join(bytes([248 + s]) * 200 for s in range(8))
combined = [b"".join(rows[y] for rows in frames) + strips for y in range(height)]
write_bmp(reduced_name, width * count + 1600, height, figure + moved, combined)
