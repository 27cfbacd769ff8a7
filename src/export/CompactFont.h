#pragma once

#include "document/FontLib.h"
#include "document/Result.h"
#include "export/EncodedFont.h"
#include "export/GlyphMetrics.h"

#include <cstdint>
#include <vector>

namespace tessellon {

// The first byte of a compact font: its format.
inline constexpr std::uint8_t compactFontFormat = 0xC1;

// The font in the compact format, which the C decoder shipped with the program
// (decoder/tessellon_compact.c) draws straight from flash: every glyph cropped to its ink,
// advances as `advance` says, `baseline` rows of the cell above the baseline. Each code keeps
// the first glyph of the font that has it. The encoder tries its candidate codings and keeps
// the one that gives the fewest bytes. Refused: a font without glyphs, a baseline outside the
// cell, a gap or space width over 255 pixels.
//
// Its pixels, for a size report, are the glyphs' rows and the row dictionary; the rest is
// metrics and tables (header, code runs, ink boxes, index).
Result<EncodedFont> encodeCompactFont(
    const FontLib& font, const AdvanceRule& advance, int baseline);

} // namespace tessellon
