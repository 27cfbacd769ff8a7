#include "export/CompactFont.h"

#include "ExportFonts.h"
#include "FontBuilders.h"
#include "tessellon_compact.h"

#include <gtest/gtest.h>

#include <set>

using namespace tessellon;

namespace {

TEST(CompactFont, RefusesWhatTheFormatCannotHold)
{
    const FontLib font = test::numberedFont(8, 10, 3);
    struct Case {
        FontLib font;
        AdvanceRule advance;
        int baseline;
        const char* message;
    };
    const std::vector<Case> cases {
        { FontLib::blank(8, 8, 0, true), {}, 8, "The font has no glyphs to export." },
        { font, {}, 11, "The baseline (11 rows above it) must lie within the cell's 10 rows." },
        { font, {}, -1, "The baseline (-1 rows above it) must lie within the cell's 10 rows." },
        { font, { true, 256, std::nullopt }, 9,
            "The compact format holds a gap and a space width of 0 to 255 pixels, not 256 and "
            "3." },
        { font, { true, 1, -2 }, 9,
            "The compact format holds a gap and a space width of 0 to 255 pixels, not 1 and -2." },
    };
    for (const Case& c : cases) {
        const auto bytes = encodeCompactFont(c.font, c.advance, c.baseline);
        EXPECT_FALSE(bytes);
        EXPECT_EQ(bytes.message(), c.message);
    }
    EXPECT_TRUE(encodeCompactFont(font, { true, 255, 255 }, 0));
}

TEST(CompactFont, PixelBytesAreTheInkBoxesRows)
{
    // Ink boxes of 4 x 2 and 6 x 2 pixels, no row alike: 20 bits of rows.
    const auto encoded = encodeCompactFont(test::twoGlyphFont(), {}, 2);
    ASSERT_TRUE(encoded);
    EXPECT_EQ(encoded->pixelBytes, 3u);
}

using Pixels = std::set<std::pair<int, int>>;

void collectPixel(void* pixels, int x, int y) { static_cast<Pixels*>(pixels)->insert({ x, y }); }

TEST(CompactFont, TextDrawsEachCharacterAtThePenAndSkipsWhatItCannotDraw)
{
    const FontLib font = test::fontFromRows(
        { { "1001", "0110", "1001" }, { "0100", "0000", "1110" }, { "0010", "0111", "0010" } },
        { 0x41, 0xE9, 0x4E2D });
    const AdvanceRule rule { true, 1, std::nullopt };
    const auto bytes = encodeCompactFont(font, rule, 3);
    ASSERT_TRUE(bytes);
    tessellon_compact_font compact;
    ASSERT_TRUE(tessellon_compact_open(&compact, bytes->bytes.data(), bytes->bytes.size()));

    // A, é, a lone continuation byte, 中, Z (missing), an overlong A, a cut sequence.
    const char* text = "A\xC3\xA9\x80\xE4\xB8\xADZ\xC1\x81\xE4\xB8";
    Pixels drawn;
    const int end = tessellon_compact_text(&compact, text, 10, 20, collectPixel, &drawn);
    Pixels expected;
    int pen = 10;
    const auto metrics = glyphMetrics(font, rule);
    for (std::uint32_t g = 0; g < font.info.glyphCount; ++g) {
        for (int y = 0; y < 3; ++y) {
            for (int x = 0; x < 4; ++x) {
                if (font.pixel(g, x, y)) {
                    expected.insert({ pen + x, 20 - 3 + y });
                }
            }
        }
        pen += metrics[g].advance;
    }
    EXPECT_EQ(drawn, expected);
    EXPECT_EQ(end, pen);
}

TEST(CompactFont, RowsGoOnlyIntoABufferThatHoldsThem)
{
    const FontLib font = test::fontFromRows({ { "10000000000000000001" } }, { 0x41 });
    const auto bytes = encodeCompactFont(font, {}, 1);
    ASSERT_TRUE(bytes);
    tessellon_compact_font compact;
    tessellon_compact_glyph glyph;
    ASSERT_TRUE(tessellon_compact_open(&compact, bytes->bytes.data(), bytes->bytes.size()));
    ASSERT_TRUE(tessellon_compact_find(&compact, 0x41, &glyph));
    ASSERT_EQ(glyph.width, 20);
    unsigned char row[3] = { 0xAA, 0xAA, 0xAA };
    EXPECT_FALSE(tessellon_compact_row(&glyph, row, 2));
    EXPECT_EQ(row[0], 0xAA);
    EXPECT_EQ(row[1], 0xAA);
    EXPECT_TRUE(tessellon_compact_row(&glyph, row, 3));
    EXPECT_EQ(row[0], 0x80);
    EXPECT_EQ(row[1], 0x00);
    EXPECT_EQ(row[2], 0x10);
}

} // namespace
