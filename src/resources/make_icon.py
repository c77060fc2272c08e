#!/usr/bin/env python3
"""Draws the window icon (a calculator pad) and writes Sumvelle.ico.

The icon holds one PNG image per size; Qt's ico reader and current desktops
read PNG entries. The same images are written beside it as sumvelle-N.png,
which the install puts in the desktop's icon theme. Only the standard library
is used, so the icon can be redrawn anywhere:  python3 make_icon.py [output.ico]
"""

import os
import struct
import sys
import zlib

SIZES = (16, 24, 32, 48, 64, 256)
SUPERSAMPLE = 4

BODY = (52, 62, 78)
DISPLAY = (196, 232, 204)
DIGITS = (40, 70, 48)
KEY = (228, 231, 236)
ACCENT = (240, 146, 44)


def rounded_rect(x0, y0, x1, y1, radius):
    """Returns a predicate telling whether a point lies in the rectangle."""
    def inside(x, y):
        if x < x0 or x > x1 or y < y0 or y > y1:
            return False
        cx = min(max(x, x0 + radius), x1 - radius)
        cy = min(max(y, y0 + radius), y1 - radius)
        return (x - cx) ** 2 + (y - cy) ** 2 <= radius ** 2
    return inside


def shapes():
    """The glyph in unit coordinates (0..1), painted in list order."""
    items = [(rounded_rect(0.14, 0.04, 0.86, 0.96, 0.09), BODY),
             (rounded_rect(0.22, 0.11, 0.78, 0.31, 0.04), DISPLAY),
             (rounded_rect(0.56, 0.185, 0.72, 0.235, 0.01), DIGITS)]
    columns, rows = 3, 4
    left, top, right, bottom = 0.22, 0.39, 0.78, 0.89
    gap = 0.05
    width = (right - left - gap * (columns - 1)) / columns
    height = (bottom - top - gap * (rows - 1)) / rows
    for row in range(rows):
        for column in range(columns):
            x = left + column * (width + gap)
            y = top + row * (height + gap)
            colour = ACCENT if (row, column) == (rows - 1, columns - 1) else KEY
            items.append((rounded_rect(x, y, x + width, y + height, 0.025), colour))
    return items


def render(size):
    """Returns straight-alpha RGBA rows of the glyph at one size."""
    items = shapes()
    samples = SUPERSAMPLE * SUPERSAMPLE
    rows = []
    for py in range(size):
        row = bytearray()
        for px in range(size):
            red = green = blue = covered = 0
            for sy in range(SUPERSAMPLE):
                for sx in range(SUPERSAMPLE):
                    x = (px + (sx + 0.5) / SUPERSAMPLE) / size
                    y = (py + (sy + 0.5) / SUPERSAMPLE) / size
                    colour = None
                    for inside, fill in items:
                        if inside(x, y):
                            colour = fill
                    if colour is not None:
                        red += colour[0]
                        green += colour[1]
                        blue += colour[2]
                        covered += 1
            if covered:
                row += bytes((red // covered, green // covered, blue // covered,
                              covered * 255 // samples))
            else:
                row += bytes(4)
        rows.append(bytes(row))
    return rows


def png(size, rows):
    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)
    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)
    raw = b"".join(b"\x00" + row for row in rows)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
            + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def ico(images):
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    entries = b""
    data = b""
    for size, image in images:
        dimension = 0 if size >= 256 else size  # 0 means 256 in an icon directory
        entries += struct.pack("<BBBBHHII", dimension, dimension, 0, 0, 1, 32,
                               len(image), offset + len(data))
        data += image
    return directory + entries + data


def main():
    output = sys.argv[1] if len(sys.argv) > 1 else "Sumvelle.ico"
    images = [(size, png(size, render(size))) for size in SIZES]
    with open(output, "wb") as file:
        file.write(ico(images))
    folder = os.path.dirname(output)
    for size, image in images:
        with open(os.path.join(folder, "sumvelle-%d.png" % size), "wb") as file:
            file.write(image)


if __name__ == "__main__":
    main()
