#include "document/TileWalk.h"

#include <gtest/gtest.h>

#include <map>

namespace tessellon {

bool operator==(const GlyphTile& a, const GlyphTile& b)
{
    return a.x0 == b.x0 && a.y0 == b.y0 && a.index == b.index;
}

void PrintTo(const GlyphTile& tile, std::ostream* out)
{
    *out << "glyph " << tile.index << " at (" << tile.x0 << ", " << tile.y0 << ")";
}

namespace {

    // The walk done the plain way: every tile in order, column by column from the left and
    // each column from the top, a later tile on a glyph replacing an earlier one.
    std::vector<GlyphTile> plainWalk(const TileBlock& block, std::uint32_t glyphCount)
    {
        std::map<std::uint64_t, GlyphTile> last;
        for (int c = 0; c < block.columns; ++c) {
            for (int r = 0; r < block.rows; ++r) {
                const std::uint64_t index = block.first + std::uint64_t { block.stride } * r + c;
                if (index < glyphCount) {
                    last[index] = { c * block.glyphWidth, r * block.glyphHeight,
                        static_cast<std::uint32_t>(index) };
                }
            }
        }
        std::vector<GlyphTile> tiles;
        for (const auto& [index, tile] : last) {
            tiles.push_back(tile);
        }
        return tiles;
    }

    struct WalkCase {
        const char* name;
        TileBlock block;
        std::uint32_t glyphCount;
    };

    TEST(WalkTiles, AgreesWithThePlainWalk)
    {
        const WalkCase cases[] = {
            { "3 x 2 block", { 3, 2, 12, 16, 0, 32 }, 100 },
            { "4 wide from column 30", { 4, 1, 8, 8, 30, 32 }, 100 },
            { "wider than the stride", { 40, 3, 5, 7, 0, 32 }, 200 },
            { "far wider than the stride", { 70, 2, 2, 3, 5, 32 }, 1000 },
            { "a sheet of five columns", { 5, 5, 4, 4, 0, 5 }, 23 },
            { "stride 1: every row over the last", { 10, 10, 1, 1, 0, 1 }, 50 },
            { "one column, many rows", { 1, 100, 16, 16, 0, 32 }, 65536 },
            { "end of a 65,536-glyph font", { 4, 3, 16, 16, 65534, 32 }, 65536 },
            { "largest glyph index", { 3, 2, 1, 1, 0xFFFFFFFEu, 32 }, 0xFFFFFFFFu },
        };
        for (const WalkCase& c : cases) {
            EXPECT_EQ(walkTiles(c.block, c.glyphCount), plainWalk(c.block, c.glyphCount)) << c.name;
        }
    }

    TEST(WalkTiles, GivesNothingForEmptyOrUnplaceableBlocks)
    {
        const WalkCase cases[] = {
            { "no columns", { 0, 3, 8, 8, 0, 32 }, 100 },
            { "no rows", { 3, 0, 8, 8, 0, 32 }, 100 },
            { "first past the last glyph", { 3, 3, 8, 8, 100, 32 }, 100 },
            { "empty font", { 3, 3, 8, 8, 0, 32 }, 0 },
            { "stride 0", { 3, 3, 8, 8, 0, 0 }, 100 },
            { "taller than a picture can be", { 1, 1 << 24, 8, 256, 0, 32 }, 0xFFFFFFFFu },
            { "negative columns", { -3, 2, 8, 8, 0, 32 }, 100 },
        };
        for (const WalkCase& c : cases) {
            EXPECT_TRUE(walkTiles(c.block, c.glyphCount).empty()) << c.name;
        }
    }

    TEST(WalkTiles, TheRightmostTileOnAGlyphWins)
    {
        // 34 columns by 2 rows: tiles (32, 0) and (0, 1) both land on glyph 32.
        const auto tiles = walkTiles({ 34, 2, 10, 20, 0, 32 }, 1000);
        ASSERT_EQ(tiles.size(), 66u);
        EXPECT_EQ(tiles[32], (GlyphTile { 320, 0, 32 }));
        EXPECT_EQ(tiles[34], (GlyphTile { 20, 20, 34 }));
    }

} // namespace
} // namespace tessellon
