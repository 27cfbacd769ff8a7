#!/usr/bin/env python3
"""Writes the program's icon: tessellon.svg and hicolor/NxN/tessellon.png for the sizes the
desktop asks for. The picture is the program's own window icon: an 8 x 8 glyph of a "T" on a
white grid. Small sizes leave the grid out, so that the glyph stays readable.
Run from anywhere: python3 data/icons/make_icons.py [FOLDER] (default: this script's folder)"""

import os
import struct
import sys
import zlib

SIZES = (16, 22, 24, 32, 48, 64, 128, 256)
# One row per byte, the leftmost pixel in the high bit.
GLYPH = (0x00, 0x7E, 0x7E, 0x18, 0x18, 0x18, 0x18, 0x00)
WHITE = (255, 255, 255, 255)
BLACK = (0, 0, 0, 255)
GREY = (128, 128, 128, 255)
HERE = os.path.dirname(os.path.abspath(__file__))


def ink(x, y):
    return GLYPH[y] & (0x80 >> x) != 0


def edge(i, size):
    """The first pixel of cell i of 8 across size pixels."""
    return i * size // 8


def picture(size):
    grid = size >= 32
    rows = [[WHITE] * size for _ in range(size)]
    for cy in range(8):
        for cx in range(8):
            if not ink(cx, cy):
                continue
            inset = 1 if grid else 0
            for y in range(edge(cy, size) + inset, edge(cy + 1, size)):
                for x in range(edge(cx, size) + inset, edge(cx + 1, size)):
                    rows[y][x] = BLACK
    if grid:
        for i in range(9):
            at = min(size - 1, edge(i, size))
            for j in range(size):
                rows[at][j] = GREY
                rows[j][at] = GREY
    else:
        for j in range(size):
            rows[0][j] = rows[size - 1][j] = rows[j][0] = rows[j][size - 1] = GREY
    return rows


def png(rows):
    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    size = len(rows)
    raw = b"".join(b"\x00" + bytes(channel for pixel in row for channel in pixel) for row in rows)
    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
            + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def svg():
    cell = 32
    squares = "".join(
        f'  <rect x="{cx * cell + 2}" y="{cy * cell + 2}" width="{cell - 2}" height="{cell - 2}"/>\n'
        for cy in range(8) for cx in range(8) if ink(cx, cy))
    lines = "".join(
        f'  <path d="M{i * cell + 1} 0V256M0 {i * cell + 1}H256"/>\n' for i in range(9))
    return ('<?xml version="1.0" encoding="UTF-8"?>\n'
            '<svg xmlns="http://www.w3.org/2000/svg" width="256" height="256" viewBox="0 0 258 258">\n'
            '  <rect width="258" height="258" fill="#fff"/>\n'
            '  <g fill="#000">\n' + squares.replace("  <rect", "    <rect") + '  </g>\n'
            '  <g stroke="#808080" stroke-width="2">\n' + lines.replace("  <path", "    <path")
            + '  </g>\n</svg>\n')


def main():
    out_folder = sys.argv[1] if len(sys.argv) > 1 else HERE
    for size in SIZES:
        folder = os.path.join(out_folder, "hicolor", f"{size}x{size}")
        os.makedirs(folder, exist_ok=True)
        with open(os.path.join(folder, "tessellon.png"), "wb") as out:
            out.write(png(picture(size)))
    with open(os.path.join(out_folder, "tessellon.svg"), "w", encoding="ascii") as out:
        out.write(svg())


if __name__ == "__main__":
    main()
