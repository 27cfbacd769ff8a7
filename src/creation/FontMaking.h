#pragma once

#include "creation/CharSetFormat.h"
#include "creation/CreateFontRun.h"
#include "creation/GlyphSource.h"
#include "creation/NewFontArrays.h"
#include "document/Result.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>

namespace tessellon {

// Making the glyphs of a new font from a character set, the same for the editor's New (on
// the rasteriser's worker thread) and for the command line (on its own thread); every
// caller goes through setUpNewFont (steps 1 and 2, NewFontSetUp.h) and drawNewFont (step 3):
//
//   1. openNewFontCharSet: open and measure the character-set file once; its glyph count
//      is the font's.
//   2. claimNewFontArrays: take views of the font's arrays, once the caller has made them
//      for that many glyphs, and clear them.
//   3. drawCharSet: read the units, draw each with a GlyphSource and hand code and glyph
//      over to the other side of the CreateFontRun, which stores them in the font;
//      drawCharSetOnThreads does the same with a glyph source on each of several threads.

// The character set of a new font of glyphs of this size, opened and measured; refused
// when it cannot be opened or the font would pass the limits (NewFontLimits.h).
Result<OpenCharSet> openNewFontCharSet(const std::string& path, int glyphWidth, int glyphHeight);

// Views of the first glyphCount glyphs and codes of the arrays, which are cleared (a glyph
// that is never drawn stays blank, with code 0). Refused when the arrays are too short.
Result<NewFontArrays> claimNewFontArrays(std::span<std::uint8_t> pixelData,
    std::span<std::uint16_t> codeTable, std::uint32_t glyphCount, int glyphWidth, int glyphHeight);

// The glyph loop: for k = 0, 1, ... while k < glyphCount, the set has units left and no
// stop request has been given: draw the unit's code and hand code, glyph and the set's
// bytes consumed over to the run, whose other side stores them as glyph k and runs its
// update; at the end, wait until every glyph has been taken. The loop draws ahead of the
// other side, but the font and the counters advance exactly one glyph per update, and a
// stop request leaves every glyph not yet taken blank. The caller calls enter() and
// markStopped() on the run around it when another thread waits for the run to stop.
void drawCharSet(
    ByteSource& charSet, GlyphSource& glyphs, const NewFontArrays& font, CreateFontRun& run);

// Opens a glyph source for the calling thread alone.
using GlyphSourceOpener = std::function<Result<std::unique_ptr<GlyphSource>>()>;

// The threads to draw with: one a processor core, at least one.
inline constexpr unsigned maxDrawingThreads = 64;
unsigned drawingThreadCount();

// drawCharSet with threadCount threads drawing: each opens its own glyph source with
// openSource and draws batches of consecutive units, while the calling thread reads the
// character set and hands the glyphs over in the set's order, as drawCharSet does. So the
// font, the progress and the stop request are as with one source; the glyphs too, for a
// source whose glyph depends on nothing but the code. After a stop request every drawing
// thread ends before its next glyph, and the call returns once all have ended. At most
// maxDrawingThreads threads draw. Refused,
// with the first source's message, when no thread could open a glyph source; glyphs not
// handed over then stay blank.
Status drawCharSetOnThreads(ByteSource& charSet, const GlyphSourceOpener& openSource,
    unsigned threadCount, const NewFontArrays& font, CreateFontRun& run);

} // namespace tessellon
