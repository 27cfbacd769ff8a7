#!/usr/bin/env python3
"""Writes the inputs of bench/reader_memory.sh into a folder (standard library only):

  empty-256.bdf  65,536 glyphs without ink (BBX 0 0) in a 256 x 256 box, codes 0 to FFFF
  sheet.png      8192 x 8192 RGB picture, black diagonals on white (about 260 KB)
  sheet.bmp      the same picture as a 24-bit BMP (192 MB)

Every picture row is made and written on its own, so the script stays small in memory.
"""
import struct
import sys
import zlib
from pathlib import Path

SIDE = 8192


def write_bdf(path):
    with open(path, "w", encoding="ascii", newline="\n") as out:
        out.write("STARTFONT 2.1\nFONT -bench-empty\nSIZE 256 72 72\n"
                  "FONTBOUNDINGBOX 256 256 0 0\nSTARTPROPERTIES 2\n"
                  "FONT_ASCENT 256\nFONT_DESCENT 0\nENDPROPERTIES\nCHARS 65536\n")
        for code in range(65536):
            out.write(f"STARTCHAR g{code}\nENCODING {code}\nBBX 0 0 0 0\nBITMAP\nENDCHAR\n")
        out.write("ENDFONT\n")


def row_pixels(y):
    """One row of RGB bytes: white with a black pixel every 16, shifted by one a row."""
    row = bytearray(b"\xff" * (3 * SIDE))
    for x in range(y % 16, SIDE, 16):
        row[3 * x:3 * x + 3] = b"\x00\x00\x00"
    return bytes(row)


def png_chunk(kind, data):
    return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))


def write_png(path):
    compressor = zlib.compressobj(9)
    rows = [row_pixels(y) for y in range(16)]
    with open(path, "wb") as out:
        out.write(b"\x89PNG\r\n\x1a\n")
        out.write(png_chunk(b"IHDR", struct.pack(">IIBBBBB", SIDE, SIDE, 8, 2, 0, 0, 0)))
        data = bytearray()
        for y in range(SIDE):
            data += compressor.compress(b"\x00" + rows[y % 16])
            if len(data) > 1 << 20:
                out.write(png_chunk(b"IDAT", bytes(data)))
                data.clear()
        data += compressor.flush()
        out.write(png_chunk(b"IDAT", bytes(data)))
        out.write(png_chunk(b"IEND", b""))


def write_bmp(path):
    row_bytes = 3 * SIDE
    pixels_start = 14 + 40
    size = pixels_start + row_bytes * SIDE
    rows = [row_pixels(y) for y in range(16)]
    with open(path, "wb") as out:
        out.write(b"BM" + struct.pack("<IHHI", size, 0, 0, pixels_start))
        out.write(struct.pack("<IiiHHIIiiII", 40, SIDE, SIDE, 1, 24, 0, row_bytes * SIDE,
                              2835, 2835, 0, 0))
        # Rows are stored bottom up.
        for y in reversed(range(SIDE)):
            out.write(rows[y % 16])


def main():
    folder = Path(sys.argv[1])
    folder.mkdir(parents=True, exist_ok=True)
    write_bdf(folder / "empty-256.bdf")
    write_png(folder / "sheet.png")
    write_bmp(folder / "sheet.bmp")


if __name__ == "__main__":
    main()
