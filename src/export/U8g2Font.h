#pragma once

#include "document/FontLib.h"
#include "document/Result.h"
#include "export/EncodedFont.h"
#include "export/GlyphMetrics.h"

#include <cstdint>
#include <vector>

namespace tessellon {

// The font as u8g2 font data, the byte array that u8g2_SetFont takes: a 23-byte header,
// the glyphs with codes up to FF, then a lookup table and the glyphs with higher codes.
// Each glyph is its ink box, placed by its offsets from the pen and from the baseline
// (`baseline`: rows of the cell above it), with the advance the rule gives, its pixels
// coded as runs. Empty glyphs keep only their advance. When codes repeat, the first glyph
// with a code is the one kept. The run and field widths are those that make the data
// smallest.
//
// Refused, with the limit named, when the font does not fit the format: a baseline outside
// the cell, glyph boxes, offsets or advances beyond what the decoder's signed bytes hold, a
// glyph longer than 255 bytes.
//
// Its pixels, for a size report, are the glyphs' runs; the rest is metrics and tables
// (header, codes and jumps, glyph fields, the lookup table).
Result<EncodedFont> encodeU8g2Font(const FontLib& font, const AdvanceRule& advance, int baseline);

} // namespace tessellon
