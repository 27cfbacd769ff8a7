#include "document/GlyphChange.h"
#include "document/MemoryImage.h"

#include <gtest/gtest.h>

namespace tessellon {
namespace {

    using Bytes = std::vector<std::uint8_t>;

    // A picture of four 3 x 2 tiles side by side: tile t has ink at (t mod 3, 0), drawn in
    // exact black, and a nearly black pixel at (2, 1) that is no ink.
    MemoryImage fourTiles()
    {
        MemoryImage image(12, 2);
        for (int t = 0; t < 4; ++t) {
            image.setPixel(3 * t + t % 3, 0, black);
            image.setPixel(3 * t + 2, 1, Rgb { 0, 0, 1 });
        }
        return image;
    }

    TEST(ChangeFromImage, ConsecutiveGlyphsShareARunAndGapsStartANewOne)
    {
        const FontLib font = FontLib::blank(3, 2, 10, true);
        const GlyphTile tiles[] = { { 0, 0, 4 }, { 3, 0, 5 }, { 6, 0, 6 }, { 9, 0, 8 } };
        const GlyphChange change = changeFromImage(font, fourTiles(), tiles);
        ASSERT_EQ(change.runs.size(), 2u);
        EXPECT_EQ(change.runs[0].first, 4u);
        EXPECT_EQ(change.runs[0].count, 3u);
        EXPECT_EQ(change.runs[0].pixels, (Bytes { 0x80, 0x00, 0x40, 0x00, 0x20, 0x00 }));
        EXPECT_FALSE(change.runs[0].codes.has_value()) << "a picture carries no codes";
        EXPECT_EQ(change.runs[1].first, 8u);
        EXPECT_EQ(change.runs[1].pixels, (Bytes { 0x80, 0x00 }));
    }

    TEST(ChangeFromImage, TilesPastTheLastGlyphAreSkipped)
    {
        const FontLib font = FontLib::blank(3, 2, 6, false);
        const GlyphTile tiles[] = { { 0, 0, 5 }, { 3, 0, 6 }, { 6, 0, 7 }, { 9, 0, 0xFFFFFFFF } };
        const GlyphChange change = changeFromImage(font, fourTiles(), tiles);
        ASSERT_EQ(change.runs.size(), 1u);
        EXPECT_EQ(change.runs[0].first, 5u);
        EXPECT_EQ(change.runs[0].count, 1u);

        const GlyphTile beyond[] = { { 0, 0, 6 } };
        EXPECT_TRUE(changeFromImage(font, fourTiles(), beyond).empty());
    }

    TEST(ChangeFromImage, PixelsOutsideThePictureAreBackground)
    {
        const FontLib font = FontLib::blank(3, 2, 1, false);
        const MemoryImage allInk(3, 2, black);
        const GlyphTile hanging[] = { { 1, 1, 0 } };
        const GlyphChange change = changeFromImage(font, allInk, hanging);
        ASSERT_EQ(change.runs.size(), 1u);
        EXPECT_EQ(change.runs[0].pixels, (Bytes { 0xC0, 0x00 }));
    }

} // namespace
} // namespace tessellon
