#pragma once

#include "creation/CharSetFormat.h"
#include "creation/CreateFontRun.h"
#include "creation/GlyphSource.h"
#include "document/Result.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace tessellon {

// Making the glyphs of a new font from a character set, the same for the editor's New (on
// the rasteriser's worker thread) and for the command line (on its own thread):
//
//   1. openNewFontCharSet: open and measure the character-set file once; its glyph count
//      is the font's.
//   2. claimNewFontArrays: take views of the font's arrays, once the caller has made them
//      for that many glyphs, and clear them.
//   3. drawCharSet: read the units, draw each with a GlyphSource, store code and glyph,
//      and hand over to the other side of the CreateFontRun after every glyph.

// The character set of a new font of glyphs of this size, opened and measured; refused
// when it cannot be opened or the font would pass the limits (NewFontLimits.h).
Result<OpenCharSet> openNewFontCharSet(const std::string& path, int glyphWidth, int glyphHeight);

// Where the loop writes: views of a new font's arrays, not the arrays themselves. In the
// editor they are views into the font of a child window, valid only while that window's
// modal progress dialog runs (the window waits for the run to stop before it closes the
// dialog's modal loop and before it uses or frees the font).
struct NewFontArrays {
    std::span<std::uint8_t> pixelData; // glyphCount * glyphBytes bytes
    std::span<std::uint16_t> codeTable; // glyphCount codes
    std::uint32_t glyphCount = 0;
    std::size_t glyphBytes = 0;
};

// Views of the first glyphCount glyphs and codes of the arrays, which are cleared (a glyph
// that is never drawn stays blank, with code 0). Refused when the arrays are too short.
Result<NewFontArrays> claimNewFontArrays(std::span<std::uint8_t> pixelData,
    std::span<std::uint16_t> codeTable, std::uint32_t glyphCount, int glyphWidth, int glyphHeight);

// The glyph loop: for k = 0, 1, ... while k < glyphCount, the set has units left and no
// stop request has been given: codeTable[k] := the unit's code, glyph k := its drawing,
// then the run's done bytes := the set's bytes consumed, and a hand-over.
//
// While the other side answers hand-over k, the loop already reads and draws glyph k + 1
// into a glyph of its own, which goes into the font only once the answer has come; so the
// font and the counters advance exactly one glyph per hand-over, as if the loop had waited
// idle, and a stop request leaves every later glyph blank. The caller calls enter() and
// markStopped() on the run around it when another thread waits for the run to stop.
void drawCharSet(
    ByteSource& charSet, GlyphSource& glyphs, const NewFontArrays& font, CreateFontRun& run);

} // namespace tessellon
