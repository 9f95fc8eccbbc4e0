#!/usr/bin/env python3
"""Draws the product picture (product.bmp, 64 x 64) and the program icon (icon.bmp, 32 x 32):
a storm cloud with a lightning bolt on a blue tile, in the 16 colours of the standard VGA
palette, written as 4-bit Windows bitmaps. The output is the same on every run; run it again
after changing the drawing and commit both pictures."""

import os
import struct

# The standard 16-colour palette, (red, green, blue).
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLACK, OLIVE, NAVY, SILVER, GRAY, YELLOW, BLUE, WHITE = 0, 3, 4, 7, 8, 11, 12, 15
TRANSPARENT_CORNER = 7  # the tile's rounded corners show the panel's grey

# Shapes in a 64-unit square.
CLOUD = [(22, 27, 10), (33, 20, 12), (45, 27, 10)]  # circles: centre x, y, radius
CLOUD_BASE = (13, 27, 55, 37)                      # rectangle: left, top, right, bottom
BOLT = [(37, 31), (23, 47), (31, 47), (25, 61), (45, 41), (36, 41), (43, 31)]


def in_tile(x, y):
    margin, radius = 1.0, 9.0
    lo, hi = margin + radius, 64 - margin - radius
    cx = min(max(x, lo), hi)
    cy = min(max(y, lo), hi)
    return (x - cx) ** 2 + (y - cy) ** 2 <= radius ** 2


def in_cloud(x, y):
    left, top, right, bottom = CLOUD_BASE
    if left <= x <= right and top <= y <= bottom:
        return True
    return any((x - cx) ** 2 + (y - cy) ** 2 <= r * r for cx, cy, r in CLOUD)


def in_bolt(x, y):
    inside = False
    n = len(BOLT)
    for i in range(n):
        x1, y1 = BOLT[i]
        x2, y2 = BOLT[(i + 1) % n]
        if (y1 > y) != (y2 > y):
            if x < x1 + (y - y1) * (x2 - x1) / (y2 - y1):
                inside = not inside
    return inside


def draw(size):
    unit = 64.0 / size

    def shape_at(px, py):
        x, y = (px + 0.5) * unit, (py + 0.5) * unit
        if not in_tile(x, y):
            return "outside"
        if in_bolt(x, y):
            return "bolt"
        if in_cloud(x, y):
            return "cloud"
        return "sky"

    shapes = [[shape_at(px, py) for px in range(size)] for py in range(size)]
    pixels = []
    for py in range(size):
        row = []
        for px in range(size):
            shape = shapes[py][px]
            y = (py + 0.5) * unit
            neighbours = [shapes[qy][qx]
                          for qx, qy in ((px - 1, py), (px + 1, py), (px, py - 1), (px, py + 1))
                          if 0 <= qx < size and 0 <= qy < size]
            edge = any(n != shape for n in neighbours) or len(neighbours) < 4
            if shape == "outside":
                colour = TRANSPARENT_CORNER
            elif shape == "sky":
                # Lighter towards the top, dithered where the two blues meet.
                if edge and any(n == "outside" for n in neighbours):
                    colour = BLACK
                elif y < 24 or (y < 34 and (px + py) % 2 == 0):
                    colour = BLUE
                else:
                    colour = NAVY
            elif shape == "cloud":
                x = (px + 0.5) * unit
                if edge and "bolt" not in neighbours:
                    colour = BLACK
                elif y > 34:
                    colour = GRAY
                elif (x - 30) ** 2 + (y - 14) ** 2 < 60:
                    colour = WHITE
                else:
                    colour = SILVER
            else:  # bolt
                colour = OLIVE if edge else YELLOW
            row.append(colour)
        pixels.append(row)
    return pixels


def bitmap(pixels):
    height, width = len(pixels), len(pixels[0])
    row_bytes = (width * 4 + 31) // 32 * 4
    body = bytearray()
    for row in reversed(pixels):  # bitmaps run bottom-up
        packed = bytearray()
        for i in range(0, width, 2):
            packed.append(row[i] << 4 | (row[i + 1] if i + 1 < width else 0))
        body += packed + bytes(row_bytes - len(packed))
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALETTE)
    offset = 14 + 40 + len(palette)
    header = struct.pack("<2sIHHI", b"BM", offset + len(body), 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 4, 0, len(body), 4724, 4724, 16, 0)
    return header + info + palette + bytes(body)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    for name, size in (("product.bmp", 64), ("icon.bmp", 32)):
        with open(os.path.join(here, name), "wb") as out:
            out.write(bitmap(draw(size)))


if __name__ == "__main__":
    main()
