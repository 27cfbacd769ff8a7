#pragma once

#include "document/GlyphChange.h"

#include <cstdint>
#include <vector>

namespace tessellon {

// A block of glyph-sized tiles in a picture: tile (column c, row r) has its top-left pixel
// at (c * glyphWidth, r * glyphHeight) and stands for glyph first + r * stride + c.
// The glyph exchange lays blocks out as the grid does (stride 32); a block wider than the
// stride runs on into the next stride's glyphs. A block lies within a picture: its width
// and height in pixels fit an int.
struct TileBlock {
    int columns = 0;
    int rows = 0;
    int glyphWidth = 1;
    int glyphHeight = 1;
    std::uint32_t first = 0;
    std::uint32_t stride = 1;

    bool operator==(const TileBlock&) const = default;
};

// columns * glyphWidth and rows * glyphHeight, when both fit an int and nothing is negative.
bool fitsInPicture(const TileBlock& block);

// The tiles of block whose glyphs lie below glyphCount, one per glyph, in glyph order.
// Tiles are visited column by column from the left, each column from the top down; where
// several land on one glyph (only in a block wider than its stride), the one visited last,
// the rightmost, is the one given. No tiles for a block that does not fit in a picture.
std::vector<GlyphTile> walkTiles(const TileBlock& block, std::uint32_t glyphCount);

} // namespace tessellon
