#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Draws the main window's illustration: a cross-section of a site, with a
treatment pile above ground and a contaminant plume in the strata below.

Writes a 24-bit uncompressed BMP of 803 x 248 pixels, using only the standard
library so that anyone can regenerate it.  Usage: make_picture.py OUT.bmp
"""
import math
import struct
import sys

W, H = 803, 248


def lerp(a, b, t):
    return tuple(int(round(x + (y - x) * t)) for x, y in zip(a, b))


def ground_line(x):
    return 120 + 6 * math.sin(x / 70.0) + 3 * math.sin(x / 23.0)


def pixel(x, y):
    g = ground_line(x)
    if y < g:
        sky = lerp((120, 170, 215), (215, 232, 245), y / g)
        # sun
        if (x - 690) ** 2 + (y - 40) ** 2 < 22 ** 2:
            return (250, 220, 120)
        # treatment pile (biopile) with a cover sheet
        pile = g - 55 * max(0.0, 1 - ((x - 230) / 110.0) ** 2)
        if y >= pile and abs(x - 230) < 110:
            stripe = int((x + y) / 9) % 2
            return (70, 110, 60) if stripe else (80, 125, 68)
        # drilling rig
        if 520 <= x <= 526 and y > g - 85:
            return (90, 90, 100)
        if 500 <= x <= 546 and g - 88 <= y <= g - 82:
            return (160, 60, 40)
        if abs((x - 523) - (y - (g - 85)) * 0.28) < 1.5 and y > g - 85:
            return (110, 110, 120)
        if abs((x - 523) + (y - (g - 85)) * 0.28) < 1.5 and y > g - 85:
            return (110, 110, 120)
        return sky
    depth = y - g
    # borehole under the rig
    if 521 <= x <= 525 and depth < 95:
        return (40, 40, 45)
    # plume: an ellipse drifting with the groundwater
    dx, dy = (x - 430) / 230.0, (y - 195) / 32.0
    plume = dx * dx + dy * dy
    if plume < 1.0:
        return lerp((150, 95, 140), (120, 150, 110), plume)
    if depth < 8:
        return (95, 140, 70)  # topsoil and grass
    if depth < 45:
        return (140, 105, 70) if (x * 7 + y * 13) % 29 else (120, 90, 60)
    if depth < 80:
        return (175, 150, 110) if (x * 5 + y * 11) % 23 else (150, 125, 90)
    water = y > 190
    base = (120, 130, 150) if water else (160, 160, 150)
    return base if (x * 3 + y * 17) % 31 else lerp(base, (60, 60, 70), 0.4)


def main(out):
    row_bytes = W * 3
    pad = (4 - row_bytes % 4) % 4
    image = bytearray()
    for y in range(H - 1, -1, -1):  # BMP rows run bottom-up
        for x in range(W):
            r, g, b = pixel(x, y)
            image += bytes((b, g, r))
        image += b"\0" * pad
    header = struct.pack("<2sIHHI", b"BM", 54 + len(image), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, W, H, 1, 24, 0, len(image), 3780, 3780, 0, 0)
    with open(out, "wb") as f:
        f.write(header + info + image)


if __name__ == "__main__":
    main(sys.argv[1])
