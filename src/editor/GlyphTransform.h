#pragma once

#include "document/FontLib.h"
#include "document/GlyphChange.h"

#include <cstdint>
#include <span>
#include <vector>

namespace tessellon {

// What the Glyph menu does to a glyph's pixels. A shift moves every pixel one place; the
// pixels pushed out are lost and the row or column let in is background. Bold inks the right
// neighbour of every ink pixel inside the glyph.
enum class GlyphTransform {
    ShiftUp,
    ShiftDown,
    ShiftLeft,
    ShiftRight,
    FlipHorizontally,
    FlipVertically,
    Invert,
    Clear,
    Bold,
};

// Transforms one packed glyph of width x height pixels in place: rows of rowBytesFor(width)
// bytes, most significant bit leftmost. Padding bits are 0 afterwards, as they must be before.
void transformGlyph(GlyphTransform transform, std::span<std::uint8_t> glyph, int width, int height);

// The change that transforms the glyphs of indexes (ascending; indexes at or beyond the glyph
// count are skipped), consecutive glyphs sharing one run. Codes are left as they are.
GlyphChange transformGlyphs(
    const FontLib& font, std::span<const std::uint32_t> indexes, GlyphTransform transform);

// Transforms the pixel editor's picture (one byte per pixel, row-major) in place.
void transformPicture(
    GlyphTransform transform, std::vector<std::uint8_t>& picture, int width, int height);

} // namespace tessellon
