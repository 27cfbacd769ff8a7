#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace tessellon {

// The three orders in which a glyph's pixels are exported as bytes.
//   Row:    the stored bytes, row by row, padding bits as stored.
//   Packed: whole byte columns top to bottom, then the leftover pixels of every row packed
//           into slots of 1, 2, 4 or 8 bits, the earliest row in the most significant slot.
//   Column: pages of eight rows, one byte per pixel column, bit 0 the page's top row.
enum class GlyphLayout { Row, Packed, Column };

// Number of bytes the layout gives for one glyph of width x height pixels.
std::size_t layoutLength(GlyphLayout layout, int width, int height);

// Writes the layout of one glyph (its stored bytes, rows padded to whole bytes) to out,
// which holds exactly layoutLength(layout, width, height) bytes and does not overlap glyph.
void writeLayout(GlyphLayout layout, std::span<const std::uint8_t> glyph, int width, int height,
    std::span<std::uint8_t> out);

} // namespace tessellon
