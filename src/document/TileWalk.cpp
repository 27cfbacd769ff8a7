#include "document/TileWalk.h"

#include <algorithm>
#include <limits>

namespace tessellon {

bool fitsInPicture(const TileBlock& block)
{
    constexpr std::int64_t largest = std::numeric_limits<int>::max();
    return block.columns >= 0 && block.rows >= 0 && block.glyphWidth > 0 && block.glyphHeight > 0
        && std::int64_t { block.columns } * block.glyphWidth <= largest
        && std::int64_t { block.rows } * block.glyphHeight <= largest;
}

std::vector<GlyphTile> walkTiles(const TileBlock& block, std::uint32_t glyphCount)
{
    std::vector<GlyphTile> tiles;
    if (!fitsInPicture(block) || block.columns == 0 || block.rows == 0 || block.stride == 0
        || block.first >= glyphCount) {
        return tiles;
    }
    const std::uint64_t columns = static_cast<std::uint64_t>(block.columns);
    const std::uint64_t stride = block.stride;
    // Glyph first + offset is reached by the tiles (c, r) with r * stride + c == offset.
    const std::uint64_t reach = (static_cast<std::uint64_t>(block.rows) - 1) * stride + columns;
    const std::uint64_t end = std::min<std::uint64_t>(reach, glyphCount - block.first);
    for (std::uint64_t offset = 0; offset < end; ++offset) {
        // The rightmost tile on this glyph lies in the topmost row that reaches it.
        const std::uint64_t row = offset < columns ? 0 : (offset - columns) / stride + 1;
        if (row >= static_cast<std::uint64_t>(block.rows) || row * stride > offset) {
            continue;
        }
        const std::uint64_t column = offset - row * stride;
        tiles.push_back({ static_cast<int>(column) * block.glyphWidth,
            static_cast<int>(row) * block.glyphHeight,
            static_cast<std::uint32_t>(block.first + offset) });
    }
    return tiles;
}

} // namespace tessellon
