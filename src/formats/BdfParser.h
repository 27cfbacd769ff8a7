#pragma once

#include "document/ByteSource.h"
#include "document/Result.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace tessellon {

// A BDF font as its lines give it, before its glyphs are placed in cells.

// Offsets, ascent, descent and advance widths lie within this (in either direction); beyond
// it they could reach no cell.
inline constexpr int maxBdfMetric = 32767;

// A bounding box: its size, and the offset of its bottom-left corner from the origin (y up).
struct BdfBox {
    int width = 0;
    int height = 0;
    int x = 0;
    int y = 0;
};

struct BdfGlyph {
    std::int64_t encoding = -1; // -1: none
    BdfBox box;
    std::optional<int> advance; // DWIDTH
    // Where its rows start in BdfFont::bits: box.height rows, padded to whole bytes.
    std::size_t bitsAt = 0;
};

struct BdfFont {
    BdfBox fontBox;
    std::optional<int> ascent;
    std::optional<int> descent;
    std::optional<int> advance; // a DWIDTH before the glyphs, for glyphs without their own
    bool fontSpecific = false; // CHARSET_REGISTRY "FontSpecific"
    std::vector<BdfGlyph> glyphs;
    std::vector<std::uint8_t> bits;
};

// Reads the lines of a BDF font (version 2.x): the header up to CHARS, the properties
// FONT_ASCENT, FONT_DESCENT and CHARSET_REGISTRY, and every glyph's ENCODING, DWIDTH, BBX and
// bitmap. Refused with the line number and the reason when a line is malformed, a size or
// offset is beyond what a font can hold, bitmap rows are missing, too long or not
// hexadecimal, or CHARS differs from the glyphs that follow. Nothing is allocated beyond
// what the lines read so far hold.
Result<BdfFont> parseBdf(ByteSource& source);

} // namespace tessellon
