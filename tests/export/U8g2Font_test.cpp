#include "export/U8g2Font.h"

#include "ExportCorpus.h"
#include "FontBuilders.h"

#include <gtest/gtest.h>

namespace tessellon {
namespace {

    const AdvanceRule monospaced {};

    // One glyph 'A' of 2 x 2, "10" over "01", worked out by hand: fields of 2, 2, 1, 1 and 3
    // bits (width 2, height 2, x 0, y 0, advance 2, the signed ones stored plus 1, 1 and 4),
    // runs of 1 bit each (narrowest of equally short), the pixels as pairs (0 zeros, 1 ink),
    // (1, 0), (1, 1), each closed by a 0 bit. 'a' and above begin after the glyph; the table
    // of codes above FF has its one entry, pointing past itself.
    TEST(U8g2Font, OneGlyphByteForByte)
    {
        const FontLib font = test::fontFromRows({ { "10", "01" } }, { 0x41 });
        const std::vector<std::uint8_t> expected { 1, 0, 1, 1, 2, 2, 1, 1, 3, 2, 2, 0, 0, 2, 0, 2,
            0, 0, 0, 0, 5, 0, 7, 0x41, 5, 0xBA, 0x95, 0x01, 0, 0, 0, 4, 0xFF, 0xFF, 0, 0 };
        const auto data = encodeU8g2Font(font, monospaced, 2);
        ASSERT_TRUE(data) << data.message();
        EXPECT_EQ(data->bytes, expected);
        // Of which pixels: the three pairs' 9 bits, to the nearest byte.
        EXPECT_EQ(data->pixelBytes, 1u);
    }

    // The font's box and the heights u8g2 places text by: "A" 5 x 5 from the baseline up,
    // "g" 3 x 5 from 2 rows below it, "(" 1 x 8 from 2 rows below it.
    TEST(U8g2Font, HeaderHoldsTheFontsBoxAndTheReferenceLetters)
    {
        const FontLib font = test::fontFromRows(
            { { "001000", "001000", "001000", "001000", "001000", "001000", "001000", "001000" },
                { "000000", "111110", "100010", "111110", "100010", "100010", "000000", "000000" },
                { "000000", "000000", "000000", "011100", "010100", "011100", "000100",
                    "011100" } },
            { '(', 'A', 'g' });
        const auto data = encodeU8g2Font(font, monospaced, 6);
        ASSERT_TRUE(data) << data.message();
        const std::vector<std::uint8_t> header(data->bytes.begin(), data->bytes.begin() + 23);
        // count, box mode; fields: width 5 in 3 bits, height 8 in 4, x 0 to 2 in 3,
        // y -2 to 0 in 2, advance 6 in 4; box 5 x 8 at (0, -2); "A" up 5, "g" down 2,
        // "(" up 6 and down 2.
        EXPECT_EQ(header[0], 3);
        EXPECT_EQ(header[1], 0);
        EXPECT_EQ(std::vector<std::uint8_t>(header.begin() + 4, header.begin() + 17),
            (std::vector<std::uint8_t> { 3, 4, 3, 2, 4, 5, 8, 0, 0xFE, 5, 0xFE, 6, 0xFE }));
        // "(" comes first; the search for 'A' starts after it, for 'a' on after "A".
        const unsigned parenBytes = data->bytes[23 + 1];
        const unsigned capitalBytes = data->bytes[23 + parenBytes + 1];
        EXPECT_EQ(header[17] * 256 + header[18], parenBytes);
        EXPECT_EQ(header[19] * 256 + header[20], parenBytes + capitalBytes);
    }

    // Run widths: those of the fewest bytes, worked out by hand.
    TEST(U8g2Font, RunWidthsAreThoseOfTheShortestData)
    {
        struct Case {
            const char* name;
            std::vector<std::string> rows;
            int zeroBits;
            int oneBits;
        };
        const std::vector<Case> cases {
            // 64 ink pixels: one pair (0, 64) in 7 bits, where 6 bits split it in two.
            { "solid", std::vector<std::string>(8, "11111111"), 1, 7 },
            // Opposite corners of 16 x 8: pairs (0, 1), (126, 1); 6 bits split the second.
            { "corners",
                { "1000000000000000", "0000000000000000", "0000000000000000", "0000000000000000",
                    "0000000000000000", "0000000000000000", "0000000000000000",
                    "0000000000000001" },
                7, 1 },
        };
        for (const Case& c : cases) {
            const auto data = encodeU8g2Font(test::fontFromRows({ c.rows }, { 0x41 }), monospaced,
                static_cast<int>(c.rows.size()));
            ASSERT_TRUE(data) << c.name << ": " << data.message();
            EXPECT_EQ(data->bytes[2], c.zeroBits) << c.name;
            EXPECT_EQ(data->bytes[3], c.oneBits) << c.name;
        }
    }

    // A font of one glyph per rectangle of ink (x, y, width, height), codes from 'A'.
    FontLib rectangles(int width, int height, const std::vector<InkBox>& boxes)
    {
        FontLib font
            = FontLib::blank(width, height, static_cast<std::uint32_t>(boxes.size()), true);
        for (std::uint32_t i = 0; i < boxes.size(); ++i) {
            (*font.codeTable)[i] = static_cast<std::uint16_t>('A' + i);
            for (int y = boxes[i].y; y < boxes[i].bottom(); ++y) {
                for (int x = boxes[i].x; x < boxes[i].right(); ++x) {
                    font.setPixel(i, x, y);
                }
            }
        }
        return font;
    }

    TEST(U8g2Font, RefusesWhatTheFormatCannotHoldNamingTheLimit)
    {
        struct Case {
            const char* name;
            FontLib font;
            AdvanceRule rule;
            int baseline;
            const char* says;
        };
        FontLib broken = test::numberedFont(8, 8, 2);
        broken.pixelData.pop_back();
        const AdvanceRule pulledIn { true, -20, std::nullopt };
        const std::vector<Case> cases {
            { "baseline above", test::numberedFont(8, 8, 2), monospaced, -1,
                "a baseline of -1 rows does not fit glyphs 8 rows high" },
            { "baseline below", test::numberedFont(8, 8, 2), monospaced, 9, "(it must be 0 to 8)" },
            { "wide ink", rectangles(130, 4, { { 0, 0, 128, 1 } }), monospaced, 4,
                "U+0041's ink is 128 x 1 pixels; u8g2 glyphs are at most 127" },
            { "tall ink", rectangles(4, 130, { { 0, 0, 1, 128 } }), monospaced, 130,
                "at most 127 pixels wide and high" },
            { "far right", rectangles(140, 2, { { 128, 0, 1, 1 } }), pulledIn, 2,
                "starts 128 pixels right of the pen; u8g2 holds offsets from -128 to 127" },
            { "far below", rectangles(4, 140, { { 0, 139, 1, 1 } }), monospaced, 0,
                "ends 140 rows below the baseline; u8g2 holds offsets from -128 to 127" },
            { "wide advance", rectangles(128, 2, { { 0, 0, 1, 1 } }), monospaced, 2,
                "advances the pen by 128 pixels; u8g2 holds advances from -128 to 127" },
            { "wide space", rectangles(8, 8, { { 0, 0, 0, 0 } }), { true, 1, 200 }, 8,
                "advances the pen by 200" },
            { "long glyph", test::picturedFont(100, 100, { 0x41 }, { test::Picture::Noise }, 1),
                monospaced, 100, "bytes; a u8g2 glyph holds at most 255 bytes" },
            { "wide box", rectangles(128, 2, { { 0, 0, 10, 1 }, { 120, 0, 8, 1 } }),
                { true, -10, std::nullopt }, 2, "spans 128 pixels across; a u8g2 font's box" },
            { "tall box", rectangles(4, 130, { { 0, 0, 1, 10 }, { 0, 120, 1, 10 } }), monospaced,
                65, "spans 130 rows from top to bottom" },
            { "high box", rectangles(4, 200, { { 0, 0, 1, 100 } }), monospaced, 150,
                "reaches 150 rows above the baseline; u8g2 holds at most 127" },
            { "broken font", broken, monospaced, 8, "arrays do not match" },
        };
        for (const Case& c : cases) {
            const auto data = encodeU8g2Font(c.font, c.rule, c.baseline);
            ASSERT_FALSE(data) << c.name;
            EXPECT_NE(data.message().find(c.says), std::string::npos)
                << c.name << ": " << data.message();
        }
    }

} // namespace
} // namespace tessellon
