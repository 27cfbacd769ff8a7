#pragma once

#include "document/FontLib.h"
#include "formats/FontFileFormats.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace tessellon {

// A bitmap as text formats give glyphs: width x height pixels, rows padded to whole bytes,
// the most significant bit leftmost.
struct PackedBitmap {
    std::span<const std::uint8_t> bits;
    int width = 0;
    int height = 0;
};

// Adds the ink of bitmap to glyph index of font with the bitmap's top-left pixel at (x, y)
// of the glyph. Ink outside the glyph is cut off; true when some was.
bool placeBitmap(FontLib& font, std::uint32_t index, const PackedBitmap& bitmap, int x, int y);

// Adds "N glyphs which were what." to notes ("1 glyph which was what." for one), nothing
// for none; which may be empty.
void noteGlyphs(
    ReadNotes& notes, std::size_t count, const std::string& which, const std::string& what);
// Notes how many glyphs placeBitmap cut to cells of the size given.
void noteCutGlyphs(ReadNotes& notes, std::size_t count, GlyphSize cell);
// Notes, in one sentence, how many glyphs have a code that an earlier glyph has too, and the
// first such code; such glyphs are kept.
void noteRepeatedCodes(ReadNotes& notes, const std::vector<std::uint16_t>& codes);

// Whether a font of count glyphs of the given size may be read from a file of another
// format (fontSizeBoundPassed); if not, why not.
Status checkImportedFontSize(GlyphSize cell, std::uint64_t count);

} // namespace tessellon
