#include "formats/GlyphPlacement.h"

#include "FormatTests.h"

#include <gtest/gtest.h>

namespace tessellon {
namespace {

    using Rows = std::vector<std::string>;

    // A 10 x 2 bitmap whose padding bits are set, placed in 12 x 3 glyphs at several places.
    TEST(GlyphPlacement, PlacesInkAtAnyOffsetAndCutsWhatFallsOutside)
    {
        const std::uint8_t bits[] = { 0xFF, 0xFF, 0x80, 0x3F };
        const PackedBitmap bitmap { bits, 10, 2 };
        const struct {
            int x;
            int y;
            Rows rows;
            bool cut;
        } cases[] = {
            { 0, 0, { "111111111100", "100000000000", "000000000000" }, false },
            { 2, 1, { "000000000000", "001111111111", "001000000000" }, false },
            { 3, 0, { "000111111111", "000100000000", "000000000000" }, true },
            { -1, 2, { "000000000000", "000000000000", "111111111000" }, true },
            { 0, -2, { "000000000000", "000000000000", "000000000000" }, true },
            { 12, 0, { "000000000000", "000000000000", "000000000000" }, true },
        };
        for (const auto& c : cases) {
            FontLib font = FontLib::blank(12, 3, 1, false);
            EXPECT_EQ(placeBitmap(font, 0, bitmap, c.x, c.y), c.cut) << c.x << ", " << c.y;
            EXPECT_EQ(test::glyphRows(font, 0), c.rows) << c.x << ", " << c.y;
            for (int row = 0; row < 3; ++row) {
                EXPECT_EQ(font.glyph(0)[2 * row + 1] & 0x0F, 0) << "padding, row " << row;
            }
        }
    }

    TEST(GlyphPlacement, ImportedFontsKeepToTheBoundsOfANewFont)
    {
        EXPECT_TRUE(checkImportedFontSize({ 16, 16 }, 1u << 20).ok());
        EXPECT_EQ(checkImportedFontSize({ 16, 16 }, (1u << 20) + 1).message(),
            "the file holds more than 1048576 glyphs, more than a font may hold");
        EXPECT_EQ(checkImportedFontSize({ 256, 256 }, 70000).message(),
            "70000 glyphs of 256 x 256 pixels need 573440000 bytes; a font may hold at most "
            "536870912");
        EXPECT_EQ(checkImportedFontSize({ 0, 16 }, 1).message(),
            "the glyphs need cells of 0 x 16 pixels; a font's glyphs are 1 to 256 pixels wide "
            "and high (give another cell size)");
    }

} // namespace
} // namespace tessellon
