#include "FontBuilders.h"
#include "document/FontDocument.h"
#include "editor/GlyphTransform.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace tessellon {
namespace {

    using Rows = std::vector<std::string>;
    using T = GlyphTransform;

    // A packed glyph from rows of '#' (ink) and '.' (background).
    std::vector<std::uint8_t> pack(const Rows& rows)
    {
        const int width = static_cast<int>(rows[0].size());
        const std::size_t rowBytes = rowBytesFor(width);
        std::vector<std::uint8_t> bytes(rowBytes * rows.size(), 0);
        for (std::size_t y = 0; y < rows.size(); ++y) {
            for (int x = 0; x < width; ++x) {
                if (rows[y][x] == '#') {
                    bytes[y * rowBytes + x / 8] |= pixelMask(x);
                }
            }
        }
        return bytes;
    }

    Rows unpack(const std::vector<std::uint8_t>& bytes, int width, int height)
    {
        const std::size_t rowBytes = rowBytesFor(width);
        Rows rows(height, std::string(width, '.'));
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                if (bytes[y * rowBytes + x / 8] & pixelMask(x)) {
                    rows[y][x] = '#';
                }
            }
        }
        return rows;
    }

    // The bits after the last pixel of each row.
    int paddingBits(const std::vector<std::uint8_t>& bytes, int width)
    {
        const std::size_t rowBytes = rowBytesFor(width);
        int set = 0;
        for (std::size_t row = 0; row < bytes.size(); row += rowBytes) {
            for (int x = width; x < static_cast<int>(rowBytes * 8); ++x) {
                set += (bytes[row + x / 8] & pixelMask(x)) != 0;
            }
        }
        return set;
    }

    struct TransformCase {
        T transform;
        Rows before;
        Rows after;
    };

    std::string caseName(const ::testing::TestParamInfo<TransformCase>& info)
    {
        static const char* names[] = { "ShiftUp", "ShiftDown", "ShiftLeft", "ShiftRight",
            "FlipHorizontally", "FlipVertically", "Invert", "Clear", "Bold" };
        return std::string(names[static_cast<int>(info.param.transform)]) + "Width"
            + std::to_string(info.param.before[0].size()) + "_" + std::to_string(info.index);
    }

    class TransformTable : public ::testing::TestWithParam<TransformCase> { };

    TEST_P(TransformTable, GivesTheExpectedGlyphWithPaddingClear)
    {
        const TransformCase& c = GetParam();
        const int width = static_cast<int>(c.before[0].size());
        const int height = static_cast<int>(c.before.size());
        std::vector<std::uint8_t> glyph = pack(c.before);
        transformGlyph(c.transform, glyph, width, height);
        EXPECT_EQ(unpack(glyph, width, height), c.after);
        EXPECT_EQ(paddingBits(glyph, width), 0);
    }

    INSTANTIATE_TEST_SUITE_P(Widths, TransformTable,
        ::testing::Values(
            // Width 1: a column of single pixels.
            TransformCase { T::ShiftLeft, { "#", "." }, { ".", "." } },
            TransformCase { T::ShiftRight, { "#", "#" }, { ".", "." } },
            TransformCase { T::FlipHorizontally, { "#", "." }, { "#", "." } },
            TransformCase { T::Invert, { "#", "." }, { ".", "#" } },
            TransformCase { T::Bold, { "#", "." }, { "#", "." } },
            TransformCase { T::ShiftUp, { "#", "." }, { ".", "." } },
            TransformCase { T::ShiftDown, { "#", "." }, { ".", "#" } },
            // Width 7: one byte with one bit of padding.
            TransformCase { T::ShiftLeft, { "#..#..#" }, { "..#..#." } },
            TransformCase { T::ShiftRight, { "#..#..#" }, { ".#..#.." } },
            TransformCase { T::FlipHorizontally, { "##....#" }, { "#....##" } },
            TransformCase { T::Invert, { "#.#.#.#" }, { ".#.#.#." } },
            TransformCase { T::Bold, { "#.#...#" }, { "####..#" } },
            TransformCase { T::Clear, { "#######", "#.....#" }, { ".......", "......." } },
            // Width 8: one whole byte.
            TransformCase { T::ShiftLeft, { "#......#" }, { "......#." } },
            TransformCase { T::ShiftRight, { "#......#" }, { ".#......" } },
            TransformCase { T::FlipHorizontally, { "##.....#" }, { "#.....##" } },
            TransformCase { T::Invert, { "##......" }, { "..######" } },
            TransformCase { T::Bold, { "#......#" }, { "##.....#" } },
            TransformCase { T::FlipVertically, { "#.......", "........", "#######." },
                { "#######.", "........", "#......." } },
            // Width 9: pixels cross from one byte to the next.
            TransformCase { T::ShiftLeft, { ".#......#" }, { "#......#." } },
            TransformCase { T::ShiftRight, { "#......##" }, { ".#......#" } },
            TransformCase { T::FlipHorizontally, { "##......#" }, { "#......##" } },
            TransformCase { T::Invert, { "#........" }, { ".########" } },
            TransformCase { T::Bold, { ".......#." }, { ".......##" } },
            TransformCase { T::ShiftUp, { "#.......#", "........#", ".#......." },
                { "........#", ".#.......", "........." } },
            TransformCase { T::ShiftDown, { "#.......#", "........#", ".#......." },
                { ".........", "#.......#", "........#" } },
            // Width 16: two whole bytes.
            TransformCase { T::ShiftLeft, { "#......##......#" }, { "......##......#." } },
            TransformCase { T::ShiftRight, { "#......##......#" }, { ".#......##......" } },
            TransformCase { T::FlipHorizontally, { "##.....#........" }, { "........#.....##" } },
            TransformCase { T::Invert, { "#...............", "################" },
                { ".###############", "................" } },
            TransformCase { T::Bold, { "#......#.......#" }, { "##.....##......#" } },
            TransformCase { T::Clear, { "################" }, { "................" } },
            // Width 17: three bytes, seven bits of padding.
            TransformCase { T::ShiftLeft, { "#...............#" }, { "...............#." } },
            TransformCase { T::ShiftRight, { "#......#........#" }, { ".#......#........" } },
            TransformCase { T::FlipHorizontally, { "##..............#" }, { "#..............##" } },
            TransformCase { T::Invert, { "#...............#" }, { ".###############." } },
            TransformCase { T::Bold, { "#.......#.......#" }, { "##......##......#" } },
            TransformCase { T::FlipVertically, { "#................", "................#" },
                { "................#", "#................" } }),
        caseName);

    // Every transform, pixel by pixel, as a user sees it.
    bool modelPixel(T transform, const Rows& rows, int x, int y)
    {
        const int width = static_cast<int>(rows[0].size());
        const int height = static_cast<int>(rows.size());
        const auto ink = [&](int px, int py) {
            return px >= 0 && py >= 0 && px < width && py < height && rows[py][px] == '#';
        };
        switch (transform) {
        case T::ShiftUp:
            return ink(x, y + 1);
        case T::ShiftDown:
            return ink(x, y - 1);
        case T::ShiftLeft:
            return ink(x + 1, y);
        case T::ShiftRight:
            return ink(x - 1, y);
        case T::FlipHorizontally:
            return ink(width - 1 - x, y);
        case T::FlipVertically:
            return ink(x, height - 1 - y);
        case T::Invert:
            return !ink(x, y);
        case T::Clear:
            return false;
        case T::Bold:
            return ink(x, y) || ink(x - 1, y);
        }
        return false;
    }

    TEST(TransformGlyph, AgreesWithThePixelByPixelMeaningAtEveryWidth)
    {
        std::mt19937 random(7);
        for (const int width : { 1, 7, 8, 9, 16, 17 }) {
            for (int transform = 0; transform <= static_cast<int>(T::Bold); ++transform) {
                const T t = static_cast<T>(transform);
                Rows rows(4, std::string(width, '.'));
                for (std::string& row : rows) {
                    for (char& pixel : row) {
                        pixel = random() % 2 ? '#' : '.';
                    }
                }
                std::vector<std::uint8_t> glyph = pack(rows);
                transformGlyph(t, glyph, width, 4);
                Rows expected = rows;
                for (int y = 0; y < 4; ++y) {
                    for (int x = 0; x < width; ++x) {
                        expected[y][x] = modelPixel(t, rows, x, y) ? '#' : '.';
                    }
                }
                EXPECT_EQ(unpack(glyph, width, 4), expected)
                    << "width " << width << ", transform " << transform;
                EXPECT_EQ(paddingBits(glyph, width), 0);
            }
        }
    }

    TEST(TransformGlyph, LeavesAGlyphOfTheWrongSizeAlone)
    {
        std::vector<std::uint8_t> glyph { 0xff, 0xff, 0xff };
        transformGlyph(T::Clear, glyph, 8, 2);
        EXPECT_EQ(glyph, (std::vector<std::uint8_t> { 0xff, 0xff, 0xff }));
    }

    TEST(TransformGlyphs, ChangesTheChosenGlyphsInConsecutiveRunsAndNothingElse)
    {
        const FontLib font = test::numberedFont(9, 3, 8);
        const std::vector<std::uint32_t> chosen { 1, 2, 3, 6, 8, 40 };
        const GlyphChange change = transformGlyphs(font, chosen, T::Invert);
        ASSERT_EQ(change.runs.size(), 2u);
        EXPECT_EQ(change.runs[0].first, 1u);
        EXPECT_EQ(change.runs[0].count, 3u);
        EXPECT_EQ(change.runs[1].first, 6u);
        EXPECT_EQ(change.runs[1].count, 1u);
        EXPECT_FALSE(change.runs[0].codes.has_value());

        FontDocument document;
        document.takeFont(font);
        const Result<GlyphChange> undo = document.replaceGlyphs(change);
        ASSERT_TRUE(undo.ok());
        for (std::uint32_t i = 0; i < 8; ++i) {
            const bool chosenGlyph = i == 1 || i == 2 || i == 3 || i == 6;
            for (int y = 0; y < 3; ++y) {
                for (int x = 0; x < 9; ++x) {
                    EXPECT_EQ(document.fontLib().pixel(i, x, y), font.pixel(i, x, y) != chosenGlyph)
                        << "glyph " << i << " pixel " << x << "," << y;
                }
            }
        }
        EXPECT_EQ(document.fontLib().codeTable, font.codeTable);
        ASSERT_TRUE(document.replaceGlyphs(undo.value()).ok());
        EXPECT_EQ(document.fontLib().pixelData, font.pixelData);
    }

    TEST(TransformGlyphs, NothingChosenIsNoChange)
    {
        const FontLib font = test::numberedFont(8, 8, 4);
        EXPECT_TRUE(transformGlyphs(font, {}, T::Clear).empty());
        const std::vector<std::uint32_t> beyond { 4, 5 };
        EXPECT_TRUE(transformGlyphs(font, beyond, T::Clear).empty());
    }

    TEST(TransformPicture, ActsOnTheEditorsPicture)
    {
        // 3 x 2, one byte per pixel.
        std::vector<std::uint8_t> picture { 1, 1, 0, 0, 0, 1 };
        transformPicture(T::FlipHorizontally, picture, 3, 2);
        EXPECT_EQ(picture, (std::vector<std::uint8_t> { 0, 1, 1, 1, 0, 0 }));
        transformPicture(T::ShiftDown, picture, 3, 2);
        EXPECT_EQ(picture, (std::vector<std::uint8_t> { 0, 0, 0, 0, 1, 1 }));
        transformPicture(T::Invert, picture, 3, 2);
        EXPECT_EQ(picture, (std::vector<std::uint8_t> { 1, 1, 1, 1, 0, 0 }));
    }

} // namespace
} // namespace tessellon
