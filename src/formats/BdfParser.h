#pragma once

#include "document/ByteSource.h"
#include "document/Result.h"
#include "formats/GlyphPlacement.h"
#include "formats/TextLineReader.h"

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
    // Where its box.height bitmap rows start in the source, and the number of that line.
    std::uint64_t bitmapOffset = 0;
    std::uint64_t bitmapLine = 0;
};

struct BdfFont {
    BdfBox fontBox;
    std::optional<int> ascent;
    std::optional<int> descent;
    std::optional<int> advance; // a DWIDTH before the glyphs, for glyphs without their own
    bool fontSpecific = false; // CHARSET_REGISTRY "FontSpecific"
    std::vector<BdfGlyph> glyphs;
};

// Reads the lines of a BDF font (version 2.x): the header up to CHARS, the properties
// FONT_ASCENT, FONT_DESCENT and CHARSET_REGISTRY, and every glyph's ENCODING, DWIDTH, BBX and
// bitmap. Refused with the line number and the reason when a line is malformed, a size or
// offset is beyond what a font can hold, bitmap rows are missing, too long or not
// hexadecimal, or CHARS differs from the glyphs that follow. Nothing is allocated beyond
// what the lines read so far hold, and the bitmaps are checked but not kept: BdfBitmaps reads
// each one when it is needed, so that a font's bitmaps are never held twice.
Result<BdfFont> parseBdf(ByteSource& source);

// The bitmaps of the glyphs that parseBdf gave, read again from the same source one at a time.
class BdfBitmaps {
public:
    explicit BdfBitmaps(ByteSource& source)
        : m_lines(source)
    {
    }

    // The bitmap of glyph, valid until the next call; refused when its rows are no longer
    // what parseBdf read (the file changed in between).
    Result<PackedBitmap> read(const BdfGlyph& glyph);

private:
    TextLineReader m_lines;
    std::vector<std::uint8_t> m_bits;
};

} // namespace tessellon
