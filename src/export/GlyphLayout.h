#pragma once

#include <cstddef>
#include <cstdint>

namespace tessellon {

// The three orders in which a glyph's pixels are exported as bytes.
//   Row:    the stored bytes, row by row, padding bits as stored.
//   Packed: whole byte columns top to bottom, then the leftover pixels of every row packed
//           into slots of 1, 2, 4 or 8 bits, the earliest row in the most significant slot.
//   Column: pages of eight rows, one byte per pixel column, bit 0 the page's top row.
enum class GlyphLayout { Row, Packed, Column };

// The size of every glyph of a font, and what follows from it.
struct GlyphGeometry {
    int width = 0;
    int height = 0;
    std::size_t rowBytes = 0; // stored bytes per row
    std::size_t glyphBytes = 0; // stored bytes per glyph

    static GlyphGeometry of(int width, int height);
};

// Number of bytes the layout gives for one glyph.
std::size_t layoutLength(GlyphLayout layout, const GlyphGeometry& geometry);

// Writes the layout of one glyph (its geometry.glyphBytes stored bytes) to out, which holds
// layoutLength(layout, geometry) bytes and does not overlap glyph.
void writeLayout(GlyphLayout layout, const std::uint8_t* glyph, const GlyphGeometry& geometry,
    std::uint8_t* out);

} // namespace tessellon
