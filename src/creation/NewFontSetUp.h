#pragma once

#include "creation/CreateFontRun.h"
#include "creation/GlyphDrawing.h"
#include "creation/NewFontArrays.h"
#include "document/ByteSource.h"
#include "document/FontLib.h"
#include "document/Result.h"

#include <cstdint>
#include <memory>
#include <string>

namespace tessellon {

// What the font-making loop draws a new font's glyphs with: the character set, open, and
// its size in bytes (the progress counts them); what draws the glyphs; views of the font's
// arrays, cleared. The views point into the font of the NewFontSetUp it came from, which
// must stay where it is (or be moved, not copied) until the loop has ended.
struct NewFontDrawing {
    std::unique_ptr<ByteSource> charSet;
    std::uint64_t totalBytes = 0;
    GlyphDrawingPlan plan;
    NewFontArrays arrays;
};

// A new font ready for the loop: blank, with the set's glyph count, and the baseline the
// face gives its cell at the offset; and what draws into it.
struct NewFontSetUp {
    FontLib font;
    NewFontDrawing drawing;
};

// The one set-up before the font-making loop, for the editor's New and Open Recipe and for
// the command line's make and build: opens and measures the character set (refused when it
// cannot be opened or the font would pass the limits), finds what the glyphs are drawn with
// (refused when the face's file cannot be found for the style), makes the blank font and
// claims its arrays. Call it on the GUI thread (planGlyphDrawing asks Qt's font database).
Result<NewFontSetUp> setUpNewFont(const GlyphDrawingParams& params, const std::string& charSetPath);

// The loop over a set-up font: every glyph drawn on threadCount threads (at least one), each
// beginning its own drawer of the plan, and handed over to the run in the set's order. The
// run's total bytes are set by the caller first (the other side reads them). Refused, saying
// why, when no thread could begin drawing (no drawing surface for the glyph size, a face that
// cannot be opened); the glyphs stay blank then.
Status drawNewFont(NewFontDrawing& drawing, unsigned threadCount, CreateFontRun& run);

} // namespace tessellon
