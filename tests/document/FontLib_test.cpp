#include "document/FontLib.h"
#include "document/MemoryImage.h"

#include <gtest/gtest.h>

namespace tessellon {
namespace {

    TEST(FontLibGeometry, RowsArePaddedToWholeBytes)
    {
        for (int width = 1; width <= 8; ++width) {
            EXPECT_EQ(rowBytesFor(width), 1u) << "width " << width;
        }
        EXPECT_EQ(rowBytesFor(9), 2u);
        EXPECT_EQ(rowBytesFor(16), 2u);
        EXPECT_EQ(rowBytesFor(17), 3u);

        FontLib font = FontLib::blank(12, 16, 4, true);
        EXPECT_EQ(font.rowBytes(), 2u);
        EXPECT_EQ(font.glyphBytes(), 32u);
        EXPECT_EQ(font.pixelData.size(), 128u);
        EXPECT_EQ(font.glyph(3).data() - font.pixelData.data(), 96);
        ASSERT_TRUE(font.codeTable.has_value());
        EXPECT_EQ(font.codeTable->size(), 4u);
        EXPECT_EQ(font.info.codeTableFlag, 1);
    }

    TEST(FontLibGeometry, PixelNineOfRowZeroIsMask40OfSecondByte)
    {
        FontLib font = FontLib::blank(12, 16, 2, false);
        font.setPixel(1, 9, 0);
        EXPECT_EQ(font.glyph(1)[1], 0x40);
        EXPECT_TRUE(font.pixel(1, 9, 0));
        EXPECT_FALSE(font.pixel(1, 8, 0));
        EXPECT_EQ(font.glyph(0)[1], 0) << "neighbouring glyph untouched";
    }

    TEST(FontLibInfoRecord, EncodesTwelveLittleEndianBytes)
    {
        FontLibInfo info { 0x01020304, 1, 0xBEEF, 12, 0x0110 };
        const auto bytes = info.encode();
        const std::array<std::uint8_t, 12> expected { 0x04, 0x03, 0x02, 0x01, 0x01, 0x00, 0xEF,
            0xBE, 0x0C, 0x00, 0x10, 0x01 };
        EXPECT_EQ(bytes, expected);
        EXPECT_EQ(FontLibInfo::decode(bytes.data()), info);
    }

    class GlyphImageTest : public ::testing::Test {
    protected:
        // Glyph 1 of a 12 x 3 font: rows 81 A0, 42 60, FF E0.
        void SetUp() override
        {
            font = FontLib::blank(12, 3, 2, true);
            const std::uint8_t rows[] = { 0x81, 0xA0, 0x42, 0x60, 0xFF, 0xE0 };
            std::copy(std::begin(rows), std::end(rows), font.glyph(1).begin());
        }
        FontLib font;
    };

    TEST_F(GlyphImageTest, DrawGlyphPaintsInkBlackAndTheRestInTheBackground)
    {
        MemoryImage image(20, 10, Rgb { 1, 2, 3 });
        ASSERT_TRUE(font.DrawGlyph(image, 2, 4, 1, yellow));
        EXPECT_EQ(image.pixel(2, 4), black);
        EXPECT_EQ(image.pixel(3, 4), yellow);
        EXPECT_EQ(image.pixel(2 + 9, 4 + 1), black); // row 1 pixel 9
        EXPECT_EQ(image.pixel(2 + 11, 4 + 2), yellow); // row 2 pixel 11 is clear
        EXPECT_EQ(image.pixel(1, 4), (Rgb { 1, 2, 3 })) << "left of the glyph untouched";
        EXPECT_EQ(image.pixel(14, 4), (Rgb { 1, 2, 3 })) << "right of the glyph untouched";
        EXPECT_EQ(image.pixel(2, 7), (Rgb { 1, 2, 3 })) << "below the glyph untouched";
    }

    TEST_F(GlyphImageTest, DrawThenReadRoundTripsAndClearsPadding)
    {
        font.glyph(1)[1] |= 0x0F; // padding bits of row 0, as a foreign file might hold
        MemoryImage image(12, 3);
        ASSERT_TRUE(font.DrawGlyph(image, 0, 0, 1, white));
        ASSERT_TRUE(font.ReadGlyph(image, 0, 0, 0));
        const std::vector<std::uint8_t> expected { 0x81, 0xA0, 0x42, 0x60, 0xFF, 0xE0 };
        EXPECT_EQ(std::vector<std::uint8_t>(font.glyph(0).begin(), font.glyph(0).end()), expected);
    }

    TEST_F(GlyphImageTest, ReadGlyphTakesOnlyExactBlackAsInk)
    {
        MemoryImage image(12, 3);
        image.setPixel(0, 0, black);
        image.setPixel(1, 0, Rgb { 1, 1, 1 });
        image.setPixel(2, 0, Rgb { 0, 0, 1 });
        image.setPixel(3, 0, Rgb { 255, 0, 0 });
        ASSERT_TRUE(font.ReadGlyph(image, 0, 0, 1));
        EXPECT_EQ(font.glyph(1)[0], 0x80);
        for (std::size_t i = 1; i < font.glyphBytes(); ++i) {
            EXPECT_EQ(font.glyph(1)[i], 0) << "byte " << i << " cleared";
        }
    }

    TEST_F(GlyphImageTest, ReadGlyphTreatsPixelsOutsideTheImageAsBackground)
    {
        MemoryImage image(12, 3, black);
        ASSERT_TRUE(font.ReadGlyph(image, 6, 1, 0));
        EXPECT_EQ(font.glyph(0)[0], 0xFC); // columns 0-5 of row 0 lie inside
        EXPECT_EQ(font.glyph(0)[1], 0x00);
        EXPECT_EQ(font.glyph(0)[4], 0x00); // row 2 lies below the image
    }

    TEST_F(GlyphImageTest, IndexAtGlyphCountIsRefusedWithNothingChanged)
    {
        MemoryImage image(12, 3, black);
        const auto before = font.pixelData;
        EXPECT_FALSE(font.ReadGlyph(image, 0, 0, 2));
        EXPECT_FALSE(font.ReadGlyph(image, 0, 0, 0xFFFFFFFF));
        EXPECT_EQ(font.pixelData, before);

        MemoryImage canvas(12, 3, Rgb { 9, 9, 9 });
        EXPECT_FALSE(font.DrawGlyph(canvas, 0, 0, 2, white));
        EXPECT_EQ(canvas.pixel(0, 0), (Rgb { 9, 9, 9 }));
    }

} // namespace
} // namespace tessellon
