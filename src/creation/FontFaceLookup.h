#pragma once

#include "creation/FreeTypeGlyphDrawer.h"
#include "document/Result.h"

namespace tessellon {

struct GlyphDrawingParams;

// What FreeType needs to draw the glyphs of params as the desktop would pick them: the
// face the desktop draws the font from (the font file given, or the installed face of the
// font's family and style, found through fontconfig as Qt finds it), the faces it falls
// back on for characters the face lacks, the pixel size, the weight and slant asked for,
// and the pen at (offsetX, offsetY + the font's ascent) as the System style places it.
// Refused, saying why, when no face file can be found.
Result<FreeTypeDrawing> freeTypeDrawingFor(const GlyphDrawingParams& params);

} // namespace tessellon
