#include "editor/GlyphExchange.h"

#include <algorithm>
#include <limits>
#include <string>

namespace tessellon {

namespace {

    TileBlock gridBlock(
        const GridRect& cells, int columns, int rows, int glyphWidth, int glyphHeight)
    {
        if (!HasGlyphSelection(cells)) {
            return {};
        }
        return { columns, rows, glyphWidth, glyphHeight,
            static_cast<std::uint32_t>(glyphIndexAt(cells.Left, cells.Top)), GlyphsPerRow };
    }

} // namespace

bool HasGlyphSelection(const GridRect& cells) { return cells.Top >= 1; }

Status checkExchangePictureSize(std::int64_t width, std::int64_t height)
{
    constexpr std::int64_t longestSide = std::numeric_limits<int>::max();
    const bool fits = width >= 0 && height >= 0 && width <= longestSide && height <= longestSide
        && static_cast<std::uint64_t>(width) * static_cast<std::uint64_t>(height)
            <= maxExchangePixels;
    if (!fits) {
        return failure("a picture of " + std::to_string(width) + " x " + std::to_string(height)
            + " pixels is larger than the " + std::to_string(maxExchangePixels)
            + " pixels that glyphs are exchanged in");
    }
    return {};
}

TileBlock copyBlock(const GridRect& cells, int glyphWidth, int glyphHeight)
{
    return gridBlock(
        cells, cells.Right - cells.Left + 1, cells.Bottom - cells.Top + 1, glyphWidth, glyphHeight);
}

Result<PictureSize> copyPictureSize(const GridRect& cells, int glyphWidth, int glyphHeight)
{
    const TileBlock block = copyBlock(cells, glyphWidth, glyphHeight);
    const std::int64_t width = std::int64_t { block.columns } * glyphWidth;
    const std::int64_t height = std::int64_t { block.rows } * glyphHeight;
    if (const Status fits = checkExchangePictureSize(width, height); !fits) {
        return failure("The selection is too large to copy: " + fits.message() + ".");
    }
    return PictureSize { static_cast<int>(width), static_cast<int>(height) };
}

void drawGlyphBlock(const FontLib& font, const TileBlock& block, RgbImage& picture)
{
    for (const GlyphTile& tile : walkTiles(block, font.info.glyphCount)) {
        font.DrawGlyph(picture, tile.x0, tile.y0, tile.index, white);
    }
}

TileBlock pasteBlock(const GridRect& cells, PictureSize picture, int glyphWidth, int glyphHeight)
{
    if (glyphWidth <= 0 || glyphHeight <= 0) {
        return {};
    }
    return gridBlock(cells, std::max(picture.width, 0) / glyphWidth,
        std::max(picture.height, 0) / glyphHeight, glyphWidth, glyphHeight);
}

GlyphChange changeFromBlock(const FontLib& font, const TileBlock& block, const RgbImage& picture)
{
    return changeFromImage(font, picture, walkTiles(block, font.info.glyphCount));
}

GridRect pastedCells(const GridRect& cells, const TileBlock& block, int gridRows)
{
    if (block.columns <= 0 || block.rows <= 0) {
        return cells;
    }
    const auto lastOf = [](int start, int count, int limit) {
        return static_cast<int>(std::min<std::int64_t>(std::int64_t { start } + count - 1, limit));
    };
    return { cells.Left, cells.Top, lastOf(cells.Left, block.columns, GlyphsPerRow - 1),
        lastOf(cells.Top, block.rows, gridRows - 1) };
}

} // namespace tessellon
