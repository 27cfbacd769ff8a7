#include "editor/GridCells.h"

namespace tessellon {

int gridRowCount(std::uint32_t glyphCount)
{
    return static_cast<int>(
               (static_cast<std::uint64_t>(glyphCount) + GlyphsPerRow - 1) / GlyphsPerRow)
        + 1;
}

std::int64_t glyphIndexAt(int column, int row)
{
    return static_cast<std::int64_t>(row) * GlyphsPerRow + column - GlyphsPerRow;
}

} // namespace tessellon
