#pragma once

#include <cstdint>

namespace tessellon {

// The glyph grid shows 32 glyphs to a row below one header row (grid row 0). Grid cell
// (column c, row r >= 1) holds glyph (r - 1) * 32 + c.
inline constexpr int GlyphsPerRow = 32;

// Grid rows, the header row included.
int gridRowCount(std::uint32_t glyphCount);

// The glyph index of grid cell (column, row); negative for the header row.
std::int64_t glyphIndexAt(int column, int row);

// A rectangle of grid cells, in grid rows (row 0 is the header row). Top 0 means that no
// glyph is selected.
struct GridRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    bool operator==(const GridRect&) const = default;
};

} // namespace tessellon
