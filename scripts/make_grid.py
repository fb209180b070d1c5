#!/usr/bin/env python3
"""Writes data/Grid.pcx, the reference grid of the move window: 450 x 400, 8-bit,
a field of combat hexes with the base line where a creature's feet stand marked in
red and the two hexes it occupies lightened. Index 0 is the transparent colour; the
bottom-left pixel holds it. Usage: make_grid.py [OUT]"""
import math
import os
import struct
import sys

WIDTH, HEIGHT = 450, 400
RADIUS = 26                      # centre to corner of a hex, corners up and down
STEP_X = RADIUS * math.sqrt(3)   # hex to hex across a row
STEP_Y = RADIUS * 1.5            # row to row
BASE_Y = 330                     # the base line
CENTRE_X = WIDTH // 2

TRANSPARENT, EDGE, FOOT, BASE, TICK = 0, 1, 2, 3, 4
palette = [(255, 0, 255), (40, 90, 40), (150, 200, 120), (230, 30, 30), (255, 230, 60)]
palette += [(0, 0, 0)] * (256 - len(palette))

pixels = [bytearray(WIDTH) for _ in range(HEIGHT)]


def plot(x, y, value):
    if 0 <= x < WIDTH and 0 <= y < HEIGHT:
        pixels[y][x] = value


def line(x0, y0, x1, y1, value):
    steps = int(max(abs(x1 - x0), abs(y1 - y0))) + 1
    for i in range(steps + 1):
        t = i / steps
        plot(round(x0 + (x1 - x0) * t), round(y0 + (y1 - y0) * t), value)


def hexagon(cx, cy, value):
    corners = [(cx + RADIUS * math.cos(math.radians(a)), cy + RADIUS * math.sin(math.radians(a)))
               for a in (-90, -30, 30, 90, 150, 210)]
    for k in range(6):
        line(*corners[k], *corners[(k + 1) % 6], value)


# The rows are placed so that the two foot hexes sit on the base line, either side of the centre.
foot_cy = BASE_Y - RADIUS / 2
rows = range(-int(foot_cy / STEP_Y) - 1, int((HEIGHT - foot_cy) / STEP_Y) + 2)
for row in rows:
    cy = foot_cy + row * STEP_Y
    shift = STEP_X / 2 if row % 2 else 0
    for col in range(-6, 7):
        cx = CENTRE_X + shift + (col - 0.5) * STEP_X
        hexagon(cx, cy, EDGE)
for side in (-0.5, 0.5):
    hexagon(CENTRE_X + side * STEP_X, foot_cy, FOOT)
for x in range(WIDTH):
    plot(x, BASE_Y, BASE)
for x in range(CENTRE_X % 10, WIDTH, 10):
    line(x, BASE_Y + 1, x, BASE_Y + (6 if (x - CENTRE_X) % 50 == 0 else 3), TICK)
line(CENTRE_X, BASE_Y - 8, CENTRE_X, BASE_Y + 8, TICK)
pixels[HEIGHT - 1][0] = TRANSPARENT


def coded(row):
    """One row, run-length coded: runs of at most 48; bytes of 192 or more always counted."""
    out = bytearray()
    i = 0
    while i < len(row):
        n = 1
        while n < 48 and i + n < len(row) and row[i + n] == row[i]:
            n += 1
        if n == 1 and row[i] < 192:
            out.append(row[i])
        else:
            out += bytes((192 + n, row[i]))
        i += n
    return out


header = struct.pack("<BBBBHHHHHH48sBBHH58s", 10, 5, 1, 8, 0, 0, WIDTH - 1, HEIGHT - 1, 72, 72,
                     bytes(c for rgb in palette[:16] for c in rgb), 0, 1, WIDTH + WIDTH % 2, 1, bytes(58))
pad = bytes(WIDTH % 2)
out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..", "data", "Grid.pcx")
with open(out, "wb") as f:
    f.write(header)
    for row in pixels:
        f.write(coded(bytes(row) + pad))
    f.write(bytes([12]) + bytes(c for rgb in palette for c in rgb))
