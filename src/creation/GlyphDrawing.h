#pragma once

#include "creation/FontMaking.h"
#include "creation/FreeTypeGlyphDrawer.h"
#include "creation/GlyphDrawer.h"
#include "creation/HintingStyle.h"
#include "document/Result.h"

#include <QFont>
#include <QImage>
#include <QString>

#include <cstdint>
#include <memory>
#include <optional>
#include <span>

namespace tessellon {

// How the glyphs of a new font are drawn: the font, the glyph size, where the top-left
// corner of each character's cell lies in the glyph, and the style.
struct GlyphDrawingParams {
    // Face, pixel size and style (bold, italic; underline and strike-out are drawn in the
    // System style only) of the characters.
    QFont font;
    // The font file the font's family was loaded from, when it was given as a file rather
    // than as an installed family; the other styles than System draw from this file.
    QString fontFile;
    int glyphWidth = 16;
    int glyphHeight = 16;
    int offsetX = 0;
    int offsetY = 0;
    HintingStyle hinting = HintingStyle::System;
};

// What drawers of glyphs are made from: for the System style the parameters themselves
// (the desktop's text drawing, GlyphRenderer), for the others also the face FreeType draws
// from and where (FreeTypeGlyphDrawer): the same face at the same pixel size, with the
// character cell in the same place and the baseline at offsetY + the font's ascent in
// every style. Plain values that any thread may copy.
struct GlyphDrawingPlan {
    GlyphDrawingParams params;
    std::optional<FreeTypeDrawing> freeType;
};

// Finds what the parameters draw with. Refused, saying why, for a font whose file cannot be
// found. Call it on the GUI thread (it asks Qt's font database), once for any number of
// drawers.
Result<GlyphDrawingPlan> planGlyphDrawing(const GlyphDrawingParams& params);

// A drawer of the planned glyphs, ready to draw, for the thread that calls this alone to
// use: it shares nothing with other drawers, so each thread of a run makes its own from the
// same plan. Refused, saying why, when nothing can be drawn with the plan.
Result<std::unique_ptr<GlyphDrawer>> openGlyphDrawer(const GlyphDrawingPlan& plan);

// The font-making loop's way to open a drawer of the plan on each of its threads.
GlyphSourceOpener glyphSourceOpener(GlyphDrawingPlan plan);

// Both at once, for one drawer made on the GUI thread (a preview).
Result<std::unique_ptr<GlyphDrawer>> openGlyphDrawer(const GlyphDrawingParams& params);

// A glyph's bits (rows padded to whole bytes, leftmost pixel in the high bit) as a picture
// of width x height: ink black, the rest transparent, to be painted over a background.
QImage glyphPicture(std::span<const std::uint8_t> glyph, int width, int height);

// Draws one character with the drawer into a glyph of its size and gives its picture.
QImage drawGlyphPicture(GlyphDrawer& drawer, char32_t code, int width, int height);

} // namespace tessellon
