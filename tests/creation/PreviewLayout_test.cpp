#include "creation/PreviewLayout.h"

#include <gtest/gtest.h>

namespace tessellon {
namespace {

    NewFontNumbers glyphs(int width, int height, int offsetX = 0, int offsetY = 0)
    {
        return { width, height, offsetX, offsetY };
    }

    std::vector<PreviewCell> layout(const NewFontNumbers& numbers, std::size_t characters)
    {
        return layoutPreview(previewImageSide, previewImageSide, numbers, characters);
    }

    struct ShapeCase {
        NewFontNumbers numbers;
        std::size_t characters;
        std::size_t cells;
        int columns; // of a full row; 0 for the diagonal
        int rows;
    };

    TEST(PreviewLayout, CellsFillRowsUntilTheImageBottomOrTheTextEnds)
    {
        const ShapeCase cases[] = {
            { glyphs(16, 16), 12, 12, 8, 2 }, // "Preview 1234": a row and a half
            { glyphs(16, 16), 1000, 56, 8, 7 },
            { glyphs(32, 32), 1000, 16, 4, 4 },
            { glyphs(8, 16), 1000, 15 * 7, 15, 7 },
            { glyphs(136, 16), 1000, 7, 1, 7 },
            { glyphs(137, 16), 1000, 8, 0, 8 },
            { glyphs(256, 8), 1000, 15, 0, 15 },
            { glyphs(16, 256), 1000, 0, 8, 0 }, // not one row fits
            { glyphs(16, 16), 0, 0, 8, 0 },
        };
        for (const ShapeCase& c : cases) {
            const auto cells = layout(c.numbers, c.characters);
            ASSERT_EQ(cells.size(), c.cells)
                << c.numbers.glyphWidth << "x" << c.numbers.glyphHeight;
            if (cells.empty()) {
                continue;
            }
            int columns = 0;
            for (const PreviewCell& cell : cells) {
                columns = std::max(columns, cell.column + 1);
                EXPECT_EQ(cell.framed, c.columns > 0);
                if (!cell.framed) {
                    EXPECT_EQ(cell.column, cell.row); // the diagonal
                }
            }
            EXPECT_EQ(c.columns > 0 ? columns : 0, c.columns);
            EXPECT_EQ(cells.back().row + 1, c.rows);
        }
    }

    TEST(PreviewLayout, NeighboursShareFrameLinesAndTheInsideIsOneGlyph)
    {
        const auto cells = layout(glyphs(16, 16), 20);
        // Column 1 of row 2 is cell 17.
        const PreviewCell& cell = cells[17];
        EXPECT_EQ(cell.column, 1);
        EXPECT_EQ(cell.row, 2);
        EXPECT_EQ(cell.frame, (PixelRect { 18, 35, 36, 53 }));
        EXPECT_EQ(cell.inside, (PixelRect { 19, 36, 35, 52 }));
        EXPECT_EQ(cells[16].frame.right - 1, cell.frame.left);
        EXPECT_EQ(cells[9].frame.bottom - 1, cell.frame.top);
        EXPECT_EQ(cell.inside.right - cell.inside.left, 16);
        EXPECT_EQ(cell.inside.bottom - cell.inside.top, 16);
        // The last column's frame ends past the image's right edge.
        EXPECT_EQ(cells[7].frame.right, 138);
    }

    TEST(PreviewLayout, TheCharacterCellLiesAtTheOffsetInsideTheGlyph)
    {
        const auto cells = layout(glyphs(12, 16, -3, 2), 2);
        EXPECT_EQ(cells[0].originX, 2 - 3);
        EXPECT_EQ(cells[0].originY, 2 + 2);
        EXPECT_EQ(cells[1].originX, 13 + 2 - 3);
        EXPECT_EQ(cells[1].originY, 2 + 2);
    }

    TEST(PreviewLayout, DiagonalCellsHaveNoFrame)
    {
        const auto cells = layout(glyphs(200, 10), 3);
        ASSERT_EQ(cells.size(), 3u);
        EXPECT_EQ(cells[2].frame, PixelRect {});
        EXPECT_EQ(
            cells[2].inside, (PixelRect { 2 * 201 + 2, 2 * 11 + 2, 3 * 201 + 1, 3 * 11 + 1 }));
    }

    TEST(PreviewLayout, NumbersOutsideTheLimitsGiveNoCells)
    {
        for (const NewFontNumbers& numbers :
            { glyphs(0, 16), glyphs(-1, 16), glyphs(16, 0), glyphs(16, -1), glyphs(257, 16),
                glyphs(16, 16, 257, 0), glyphs(16, 16, 0, -257), glyphs(2147483647, 16) }) {
            EXPECT_TRUE(layout(numbers, 100).empty()) << numbers.glyphWidth;
        }
    }

} // namespace
} // namespace tessellon
