#!/usr/bin/env python3
"""Writes the character-set files of this folder from Python's standard codec tables.

Run from anywhere: python3 data/txt/make_charsets.py
With --check nothing is written: the exit status is 1 when a file differs from what the
tables give.
Each file lists the characters of one set, one glyph per unit: 8-bit files hold one byte per
character (bytes 0x80-0xFF stand for ISO 8859-1), UTF-16 files start with FF FE and hold one
little-endian 16-bit code per character. No line ends: every unit is a glyph.
"""

import codecs
import pathlib
import sys

HERE = pathlib.Path(__file__).resolve().parent

PRINTABLE_ASCII = list(range(0x20, 0x7F))


def decodable(encoding, byte_strings):
    """The characters that the codec gives for the byte strings it accepts, in order."""
    decoder = codecs.getdecoder(encoding)
    chars = []
    for raw in byte_strings:
        try:
            text, _ = decoder(raw, "strict")
        except UnicodeDecodeError:
            continue
        if len(text) == 1 and text != "\ufffd":
            chars.append(ord(text))
    return chars


def single_bytes(first, last):
    return [bytes([b]) for b in range(first, last + 1)]


def double_bytes(leads, trails):
    return [bytes([lead, trail]) for lead in leads for trail in trails]


def eight_bit(codes):
    return bytes(codes)


def utf16(codes):
    data = bytearray(b"\xff\xfe")
    for code in codes:
        assert code <= 0xFFFF, hex(code)
        data += code.to_bytes(2, "little")
    return bytes(data)


def character_sets():
    """File name -> file bytes."""
    sets = {}
    sets["ascii.txt"] = eight_bit(PRINTABLE_ASCII)
    sets["latin1.txt"] = eight_bit(PRINTABLE_ASCII + list(range(0xA0, 0x100)))
    sets["greek.txt"] = utf16(PRINTABLE_ASCII + decodable("iso8859_7", single_bytes(0xA0, 0xFF)))
    sets["cyrillic.txt"] = utf16(PRINTABLE_ASCII + decodable("iso8859_5", single_bytes(0xA0, 0xFF)))

    euc_trails = range(0xA1, 0xFF)
    # GB 2312: symbol rows 1-9 and the hanzi of rows 16-87.
    sets["gb2312.txt"] = utf16(decodable("gb2312", double_bytes(range(0xA1, 0xF8), euc_trails)))
    # JIS X 0208, all rows, through its EUC-JP form.
    sets["jisx0208.txt"] = utf16(decodable("euc_jp", double_bytes(range(0xA1, 0xF5), euc_trails)))
    # KS X 1001: the 2350 Hangul syllables of rows 16-40, through its EUC-KR form.
    sets["ksx1001_hangul.txt"] = utf16(
        decodable("euc_kr", double_bytes(range(0xB0, 0xC9), euc_trails)))
    # Big5: the 5401 frequently used hanzi, A440 to C67E.
    big5_trails = list(range(0x40, 0x7F)) + list(range(0xA1, 0xFF))
    big5 = [raw for raw in double_bytes(range(0xA4, 0xC7), big5_trails) if raw <= b"\xc6\x7e"]
    sets["big5_common.txt"] = utf16(decodable("big5", big5))
    return sets


def main(argv):
    check = "--check" in argv[1:]
    stale = []
    for name, data in character_sets().items():
        path = HERE / name
        if check:
            if not path.exists() or path.read_bytes() != data:
                stale.append(name)
        else:
            path.write_bytes(data)
    if stale:
        print("not what the codec tables give: " + ", ".join(stale), file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
