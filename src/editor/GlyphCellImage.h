#pragma once

#include "document/RgbImage.h"

#include <cstdint>

class QImage;

namespace tessellon {

struct FontLib;

// Draws glyph index into the top-left corner of a 32-bit image exactly as
// FontLib::DrawGlyph does (ink black, clear pixels in background), but straight from the
// packed bits into the image's scan lines: the grid paints more than a thousand glyphs per
// screen, too many for a virtual call per pixel. False, with nothing drawn, for an index at
// or beyond the glyph count.
bool drawGlyphCell(const FontLib& font, std::uint32_t index, QImage& target, Rgb background);

} // namespace tessellon
