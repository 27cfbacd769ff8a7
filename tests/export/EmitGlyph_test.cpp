#include "FontBuilders.h"
#include "export/EmitGlyph.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <random>
#include <string>
#include <vector>

using namespace tessellon;

namespace {

constexpr std::size_t bufferSize = 102400;
constexpr std::uint8_t untouched = 0xEE;

// A font from pictures: one string per row, '1' for ink.
FontLib fontFromBytes(int width, int height, std::vector<std::uint8_t> bytes)
{
    FontLib font = FontLib::blank(width, height, 1, false);
    font.pixelData = std::move(bytes);
    return font;
}

struct Emitted {
    std::vector<std::uint8_t> item;
    bool wroteBeyond = false;
};

// Runs the emitter into a full-size buffer and notes whether it touched more than the item.
Emitted emit(const FontLib& font, std::uint32_t index, int zip, int bin, int col,
    std::size_t size = bufferSize)
{
    const ExportSource source = makeExportSource("out.c", font);
    std::vector<std::uint8_t> buffer(size, untouched);
    const std::int32_t count = EmitGlyph(source, buffer, index, zip, bin, col);
    EXPECT_GE(count, 0);
    Emitted result;
    result.item.assign(buffer.begin(), buffer.begin() + count);
    for (std::size_t i = static_cast<std::size_t>(count); i < size; ++i) {
        result.wroteBeyond = result.wroteBeyond || buffer[i] != untouched;
    }
    return result;
}

std::string text(const FontLib& font, std::uint32_t index, int zip, int col)
{
    const Emitted emitted = emit(font, index, zip, 0, col);
    EXPECT_FALSE(emitted.wroteBeyond);
    return { emitted.item.begin(), emitted.item.end() };
}

std::vector<std::uint8_t> binary(const FontLib& font, std::uint32_t index, int zip, int col)
{
    const Emitted emitted = emit(font, index, zip, 1, col);
    EXPECT_FALSE(emitted.wroteBeyond);
    return emitted.item;
}

// The independent model the tests compare with: pixels first, then each layout built from
// its description in terms of pixels, and the text through printf.
namespace reference {

    bool ink(const FontLib& font, std::uint32_t g, int x, int y)
    {
        const int rowBytes = (font.info.glyphWidth + 7) / 8;
        const std::size_t glyphBytes = static_cast<std::size_t>(rowBytes) * font.info.glyphHeight;
        const std::uint8_t byte = font.pixelData[g * glyphBytes + y * rowBytes + x / 8];
        return (byte >> (7 - x % 8)) & 1;
    }

    std::vector<std::uint8_t> row(const FontLib& font, std::uint32_t g)
    {
        const int w = font.info.glyphWidth;
        const int h = font.info.glyphHeight;
        std::vector<std::uint8_t> bytes;
        for (int y = 0; y < h; ++y) {
            for (int byte = 0; byte * 8 < w; ++byte) {
                int value = 0;
                for (int bit = 0; bit < 8; ++bit) {
                    const int x = byte * 8 + bit;
                    value = value * 2 + (x < w && ink(font, g, x, y) ? 1 : 0);
                }
                bytes.push_back(static_cast<std::uint8_t>(value));
            }
        }
        return bytes;
    }

    int slotWidth(int leftover)
    {
        const int widths[8] = { 0, 1, 2, 4, 4, 8, 8, 8 };
        return widths[leftover];
    }

    // Section A byte by byte; section B by placing each leftover pixel at its own bit.
    std::vector<std::uint8_t> packed(const FontLib& font, std::uint32_t g)
    {
        const int w = font.info.glyphWidth;
        const int h = font.info.glyphHeight;
        std::vector<std::uint8_t> bytes;
        for (int column = 0; column < w / 8; ++column) {
            for (int y = 0; y < h; ++y) {
                int value = 0;
                for (int bit = 0; bit < 8; ++bit) {
                    value |= ink(font, g, column * 8 + bit, y) ? 0x80 >> bit : 0;
                }
                bytes.push_back(static_cast<std::uint8_t>(value));
            }
        }
        const int leftover = w % 8;
        if (leftover == 0) {
            return bytes;
        }
        const int slot = slotWidth(leftover);
        const int rowsPerByte = 8 / slot;
        std::vector<std::uint8_t> sectionB((h + rowsPerByte - 1) / rowsPerByte, 0);
        for (int y = 0; y < h; ++y) {
            for (int q = 0; q < leftover; ++q) {
                if (ink(font, g, (w / 8) * 8 + q, y)) {
                    const int bitFromTop = (y % rowsPerByte) * slot + q;
                    sectionB[y / rowsPerByte] |= static_cast<std::uint8_t>(0x80 >> bitFromTop);
                }
            }
        }
        bytes.insert(bytes.end(), sectionB.begin(), sectionB.end());
        return bytes;
    }

    std::vector<std::uint8_t> column(const FontLib& font, std::uint32_t g)
    {
        const int w = font.info.glyphWidth;
        const int h = font.info.glyphHeight;
        const int pages = (h + 7) / 8;
        std::vector<std::uint8_t> bytes(static_cast<std::size_t>(pages) * w, 0);
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                if (ink(font, g, x, y)) {
                    bytes[(y / 8) * w + x] |= static_cast<std::uint8_t>(1 << (y % 8));
                }
            }
        }
        return bytes;
    }

    std::string asText(const std::vector<std::uint8_t>& bytes)
    {
        std::string result;
        for (std::uint8_t byte : bytes) {
            char piece[8];
            std::snprintf(piece, sizeof piece, "0x%02x,", byte);
            result += piece;
        }
        return result;
    }

} // namespace reference

FontLib randomFont(int width, int height, std::uint32_t glyphs, std::mt19937& random)
{
    FontLib font = FontLib::blank(width, height, glyphs, true);
    std::bernoulli_distribution coin(0.45);
    for (std::uint32_t g = 0; g < glyphs; ++g) {
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                if (coin(random)) {
                    font.setPixel(g, x, y);
                }
            }
        }
    }
    return font;
}

std::vector<std::uint8_t> bytesOf(const std::string& hex)
{
    std::vector<std::uint8_t> bytes;
    for (std::size_t i = 0; i + 1 < hex.size(); i += 3) {
        bytes.push_back(static_cast<std::uint8_t>(std::stoi(hex.substr(i, 2), nullptr, 16)));
    }
    return bytes;
}

// W = 11, H = 3: rows 10000001101, 01000010011, 11111111111.
FontLib elevenByThree()
{
    return test::fontFromRows({ { "10000001101", "01000010011", "11111111111" } });
}

} // namespace

TEST(EmitGlyph, SixLayoutsMatchTheReferenceForWidths1To33)
{
    std::mt19937 random(20240611);
    for (int width = 1; width <= 33; ++width) {
        for (int height : { 1, 2, 3, 5, 7, 8, 9, 10, 16, 17 }) {
            const FontLib font = randomFont(width, height, 3, random);
            for (std::uint32_t g = 0; g < 3; ++g) {
                SCOPED_TRACE("width " + std::to_string(width) + " height " + std::to_string(height)
                    + " glyph " + std::to_string(g));
                const auto row = reference::row(font, g);
                const auto packed = reference::packed(font, g);
                const auto column = reference::column(font, g);
                EXPECT_EQ(binary(font, g, 0, 0), row);
                EXPECT_EQ(binary(font, g, 1, 0), packed);
                EXPECT_EQ(binary(font, g, 0, 1), column);
                EXPECT_EQ(text(font, g, 0, 0), reference::asText(row));
                EXPECT_EQ(text(font, g, 1, 0), reference::asText(packed));
                EXPECT_EQ(text(font, g, 0, 1), reference::asText(column));
            }
        }
    }
}

TEST(EmitGlyph, ElevenByThreeInEveryLayout)
{
    const FontLib font = elevenByThree();
    ASSERT_EQ(font.pixelData, bytesOf("81 A0 42 60 FF E0 "));
    EXPECT_EQ(text(font, 0, 0, 0), "0x81,0xa0,0x42,0x60,0xff,0xe0,");
    EXPECT_EQ(binary(font, 0, 0, 0), bytesOf("81 A0 42 60 FF E0 "));
    EXPECT_EQ(text(font, 0, 1, 0), "0x81,0x42,0xff,0xa6,0xe0,");
    EXPECT_EQ(binary(font, 0, 1, 0), bytesOf("81 42 FF A6 E0 "));
    EXPECT_EQ(text(font, 0, 0, 1), "0x05,0x06,0x04,0x04,0x04,0x04,0x06,0x05,0x05,0x06,0x07,");
    EXPECT_EQ(binary(font, 0, 0, 1), bytesOf("05 06 04 04 04 04 06 05 05 06 07 "));
}

TEST(EmitGlyph, TwoByFiveInEveryTextLayout)
{
    const FontLib font = test::fontFromRows({ { "10", "01", "11", "00", "11" } });
    EXPECT_EQ(text(font, 0, 0, 0), "0x80,0x40,0xc0,0x00,0xc0,");
    EXPECT_EQ(text(font, 0, 1, 0), "0x9c,0xc0,");
    EXPECT_EQ(text(font, 0, 0, 1), "0x15,0x16,");
}

TEST(EmitGlyph, ItemLengthsFollowTheTable)
{
    const FontLib font = elevenByThree();
    // G = 6, S = 5, C = 11
    EXPECT_EQ(emit(font, 0, 0, 0, 0).item.size(), 30u);
    EXPECT_EQ(emit(font, 0, 1, 0, 0).item.size(), 25u);
    EXPECT_EQ(emit(font, 0, 0, 1, 0).item.size(), 6u);
    EXPECT_EQ(emit(font, 0, 1, 1, 0).item.size(), 5u);
    EXPECT_EQ(emit(font, 0, 0, 0, 1).item.size(), 55u);
    EXPECT_EQ(emit(font, 0, 0, 1, 1).item.size(), 11u);
}

TEST(EmitGlyph, ZipWinsOverColAndAnyNonZeroFlagCounts)
{
    const FontLib font = elevenByThree();
    EXPECT_EQ(text(font, 0, 1, 1), "0x81,0x42,0xff,0xa6,0xe0,");
    EXPECT_EQ(emit(font, 0, -1, 7, 0).item, bytesOf("81 42 FF A6 E0 "));
    EXPECT_EQ(emit(font, 0, 0, 2, -5).item, bytesOf("05 06 04 04 04 04 06 05 05 06 07 "));
}

TEST(EmitGlyph, PackedEqualsRowForWidthsFiveToEight)
{
    std::mt19937 random(7);
    for (int width : { 5, 6, 7, 8 }) {
        const FontLib font = randomFont(width, 11, 1, random);
        EXPECT_EQ(binary(font, 0, 1, 0), binary(font, 0, 0, 0)) << "width " << width;
        EXPECT_EQ(text(font, 0, 1, 0), text(font, 0, 0, 0)) << "width " << width;
    }
}

TEST(EmitGlyph, PackedSixteenWideGoesByteColumnByByteColumn)
{
    const FontLib font = fontFromBytes(16, 2, { 0x12, 0x34, 0x56, 0x78 });
    EXPECT_EQ(binary(font, 0, 1, 0), bytesOf("12 56 34 78 "));
}

TEST(EmitGlyph, PackedNineWideHoldsLeftoversInSingleBits)
{
    const FontLib font = test::fontFromRows({ { "100000001", "000000000", "000000001" } });
    EXPECT_EQ(text(font, 0, 1, 0), "0x80,0x00,0x00,0xa0,");
}

TEST(EmitGlyph, PackedFourWideLeavesTheLastLowSlotEmpty)
{
    const FontLib font = test::fontFromRows({ { "1001", "0110", "1111" } });
    EXPECT_EQ(text(font, 0, 1, 0), "0x96,0xf0,");
}

TEST(EmitGlyph, ColumnLayoutOfTenRowsHasTwoPages)
{
    std::vector<std::string> rows(10, "111");
    const FontLib font = test::fontFromRows({ rows });
    EXPECT_EQ(binary(font, 0, 0, 1), bytesOf("FF FF FF 03 03 03 "));
}

TEST(EmitGlyph, PaddingBitsPassRowIgnoredByColumnOredIntoPacked)
{
    // W = 3, H = 2: rows 101 and 011 with padding bits set (0xBF, 0x7F).
    const FontLib font = fontFromBytes(3, 2, { 0xBF, 0x7F });
    EXPECT_EQ(binary(font, 0, 0, 0), bytesOf("BF 7F "));
    EXPECT_EQ(binary(font, 0, 0, 1), bytesOf("01 02 03 "));
    // Slot 4 bits wide: BF OR (7F >> 4) = BF.
    EXPECT_EQ(binary(font, 0, 1, 0), bytesOf("BF "));
}

TEST(EmitGlyph, ThreeWideSlotCarriesTheFirstPaddingBit)
{
    // Rows 111 with padding bit 4 set (0xF0) and 001 (0x20): F0 OR (20 >> 4) = F2.
    const FontLib font = fontFromBytes(3, 2, { 0xF0, 0x20 });
    EXPECT_EQ(binary(font, 0, 1, 0), bytesOf("F2 "));
}

TEST(EmitGlyph, TextItemEndsWithAComma)
{
    const FontLib font = elevenByThree();
    for (int zip : { 0, 1 }) {
        for (int col : { 0, 1 }) {
            const std::string item = text(font, 0, zip, col);
            ASSERT_FALSE(item.empty());
            EXPECT_EQ(item.back(), ',');
            EXPECT_EQ(item.find(' '), std::string::npos);
        }
    }
}

TEST(EmitGlyph, EachCallStartsFromAnEmptyText)
{
    const FontLib font = test::fontFromRows({ { "11", "11" }, { "00", "00" } });
    EXPECT_EQ(text(font, 0, 0, 0), "0xc0,0xc0,");
    EXPECT_EQ(text(font, 1, 0, 0), "0x00,0x00,");
    EXPECT_EQ(text(font, 0, 0, 0), "0xc0,0xc0,");
}

TEST(EmitGlyph, IndexOutsideTheFontGivesAnEmptyItemInEveryLayout)
{
    const FontLib font = test::fontFromRows({ { "10", "01" }, { "11", "11" } });
    for (std::uint32_t index : { 2u, 3u, 0x7FFFFFFFu, 0xFFFFFFFFu }) {
        for (int zip : { 0, 1 }) {
            for (int bin : { 0, 1 }) {
                for (int col : { 0, 1 }) {
                    const Emitted emitted = emit(font, index, zip, bin, col);
                    EXPECT_TRUE(emitted.item.empty()) << index;
                    EXPECT_FALSE(emitted.wroteBeyond) << index;
                }
            }
        }
    }
}

TEST(EmitGlyph, EmptyFontGivesEmptyItems)
{
    const FontLib font = FontLib::blank(8, 8, 0, false);
    EXPECT_TRUE(emit(font, 0, 0, 0, 0).item.empty());
    EXPECT_TRUE(emit(font, 0, 0, 1, 1).item.empty());
}

TEST(EmitGlyph, ItemThatDoesNotFitIsNotCut)
{
    const FontLib font = elevenByThree();
    // The row text needs 30 bytes.
    const Emitted tooSmall = emit(font, 0, 0, 0, 0, 29);
    EXPECT_TRUE(tooSmall.item.empty());
    EXPECT_FALSE(tooSmall.wroteBeyond);
    const Emitted exact = emit(font, 0, 0, 0, 0, 30);
    EXPECT_EQ(std::string(exact.item.begin(), exact.item.end()), "0x81,0xa0,0x42,0x60,0xff,0xe0,");
    const Emitted columnTooSmall = emit(font, 0, 0, 0, 1, 54);
    EXPECT_TRUE(columnTooSmall.item.empty());
    EXPECT_FALSE(columnTooSmall.wroteBeyond);
}

TEST(EmitGlyph, SourceShorterThanItsInfoGivesEmptyItems)
{
    FontLib font = elevenByThree();
    ExportSource source = makeExportSource("out.c", font);
    source.fontInfo.glyphCount = 2; // claims a second glyph it does not hold
    std::vector<std::uint8_t> buffer(bufferSize, untouched);
    EXPECT_EQ(EmitGlyph(source, buffer, 1, 0, 0, 0), 0);
    EXPECT_EQ(EmitGlyph(source, buffer, 0, 0, 1, 0), 6);
}

TEST(EmitGlyph, LargestSupportedGlyphFitsTheItemBufferInEveryForm)
{
    FontLibInfo info;
    info.glyphWidth = maxGlyphSide;
    info.glyphHeight = maxGlyphSide;
    // 256 x 256 pixels are 8,192 bytes in every layout, 40,960 characters as text.
    EXPECT_EQ(longestItemLength(info), 40960u);
    EXPECT_LE(longestItemLength(info), bufferSize);

    std::mt19937 random(3);
    const FontLib font = randomFont(maxGlyphSide - 1, maxGlyphSide, 1, random);
    for (int zip : { 0, 1 }) {
        for (int col : { 0, 1 }) {
            if (zip && col) {
                continue;
            }
            const auto bytes = zip ? reference::packed(font, 0)
                : col              ? reference::column(font, 0)
                                   : reference::row(font, 0);
            EXPECT_EQ(text(font, 0, zip, col), reference::asText(bytes));
        }
    }
}

TEST(GetGlyphCode, ReturnsTheCodeTableEntry)
{
    FontLib font = FontLib::blank(8, 8, 3, true);
    (*font.codeTable) = { 0x004A, 0xFFFF, 0x4E2D };
    const ExportSource source = makeExportSource("out.c", font);
    EXPECT_EQ(GetGlyphCode(source, 0), 0x004Au);
    EXPECT_EQ(std::uint32_t { GetGlyphCode(source, 1) }, 65535u);
    EXPECT_EQ(GetGlyphCode(source, 2), 0x4E2Du);
}

TEST(GetGlyphCode, IndexOutsideTheFontGivesZero)
{
    FontLib font = FontLib::blank(8, 8, 2, true);
    (*font.codeTable) = { 0x41, 0x42 };
    const ExportSource source = makeExportSource("out.c", font);
    EXPECT_EQ(GetGlyphCode(source, 2), 0u);
    EXPECT_EQ(GetGlyphCode(source, 0xFFFFFFFFu), 0u);
}

TEST(GetGlyphCode, FontWithoutCodeTableGivesTheIndexLow16Bits)
{
    const FontLib font = FontLib::blank(1, 1, 70001, false);
    const ExportSource source = makeExportSource("out.c", font);
    EXPECT_EQ(GetGlyphCode(source, 0), 0u);
    EXPECT_EQ(GetGlyphCode(source, 0x4E2D), 0x4E2Du);
    EXPECT_EQ(GetGlyphCode(source, 70000), 70000u - 65536u);
    EXPECT_EQ(GetGlyphCode(source, 70001), 0u);
}
