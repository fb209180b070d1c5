#!/usr/bin/env python3
"""Writes COUNT 24-bit BMP frames of a shaded figure walking over the background colour, with
a squashed shadow in the shadow-body colour: the kind of frames a modder starts from.
Usage: make_frames.py FOLDER [COUNT]"""
import math
import os
import struct
import sys

W, H = 120, 110
BACKGROUND = (0, 255, 255)  # (r, g, b): the first standard colour, 0x00FFFF00 in the list
SHADOW = (255, 0, 255)      # the shadow body, position 4


def write_bmp24(name, pixels):
    stride = (W * 3 + 3) & ~3
    with open(name, "wb") as f:
        f.write(struct.pack("<2sIHHI", b"BM", 54 + stride * H, 0, 0, 54))
        f.write(struct.pack("<IiiHHIIiiII", 40, W, H, 1, 24, 0, stride * H, 2835, 2835, 0, 0))
        for y in reversed(range(H)):
            row = b"".join(struct.pack("BBB", b, g, r) for (r, g, b) in pixels[y])
            f.write(row + b"\0" * (stride - W * 3))


def frame(k, count):
    swing = math.sin(2 * math.pi * k / count)
    px = [[BACKGROUND] * W for _ in range(H)]
    for y in range(H):
        for x in range(W):
            # shadow: an ellipse under the feet
            if ((x - 64) / 34) ** 2 + ((y - 96) / 7) ** 2 <= 1:
                px[y][x] = SHADOW
            # body: a shaded ellipse; head: a circle; legs swing with the step
            d_body = ((x - 60) / 16) ** 2 + ((y - 55) / 24) ** 2
            d_head = ((x - 60) / 10) ** 2 + ((y - 22) / 10) ** 2
            leg = any(abs(x - (60 + s * 6 + s * swing * 8 * (y - 75) / 20)) < 4 and 75 <= y <= 95 for s in (-1, 1))
            if d_body <= 1 or d_head <= 1 or leg:
                light = max(0.0, 1.0 - math.hypot(x - 52, y - 40) / 60)
                px[y][x] = (int(120 + 120 * light), int(40 + 90 * light), int(30 + 50 * light))
    return px


folder = sys.argv[1]
count = int(sys.argv[2]) if len(sys.argv) > 2 else 4
os.makedirs(folder, exist_ok=True)
for k in range(count):
    write_bmp24(os.path.join(folder, "walk%02d.bmp" % (k + 1)), frame(k, count))
