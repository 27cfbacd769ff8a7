#include "formats/HexReader.h"

#include "FormatTests.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace tessellon {
namespace {

    using test::glyphRows;
    using test::readText;
    using Rows = std::vector<std::string>;

    // 'A' of 8 x 16, and a 16 x 16 glyph that is a frame of ink.
    const std::string narrowA = "0041:0000000018242442427E424242420000";

    std::string wideFrame(const std::string& code)
    {
        std::string line = code + ":FFFF";
        for (int row = 1; row < 15; ++row) {
            line += "8001";
        }
        return line + "FFFF";
    }

    const Rows rowsOfA { "00000000", "00000000", "00000000", "00000000", "00011000", "00100100",
        "00100100", "01000010", "01000010", "01111110", "01000010", "01000010", "01000010",
        "01000010", "00000000", "00000000" };

    Rows widened(const Rows& rows)
    {
        Rows wide;
        for (const std::string& row : rows) {
            wide.push_back(row + "00000000");
        }
        return wide;
    }

    TEST(HexReader, NarrowGlyphsAloneGiveAnEightPixelFont)
    {
        const auto read
            = readText(readUnifontHex, narrowA + "\n0042:" + std::string(32, '0') + "\n");
        ASSERT_TRUE(read.font.ok()) << read.font.message();
        EXPECT_EQ(read.font->info.glyphWidth, 8);
        EXPECT_EQ(read.font->info.glyphHeight, 16);
        EXPECT_EQ(glyphRows(*read.font, 0), rowsOfA);
        EXPECT_EQ(read.font->codeTable, (std::vector<std::uint16_t> { 0x41, 0x42 }));
        EXPECT_EQ(read.font->baseline, 14) << "Unifont's baseline: 14 rows of 16 above it";
        EXPECT_TRUE(read.notes.empty());
    }

    TEST(HexReader, AMixOfWidthsPutsTheNarrowGlyphsLeftInSixteenPixelCells)
    {
        const auto read = readText(readUnifontHex, wideFrame("4E00") + "\r\n\r\n" + narrowA);
        ASSERT_TRUE(read.font.ok()) << read.font.message();
        EXPECT_EQ(read.font->info.glyphWidth, 16);
        EXPECT_EQ(glyphRows(*read.font, 1), widened(rowsOfA));
        const Rows frame = glyphRows(*read.font, 0);
        EXPECT_EQ(frame.front(), std::string(16, '1'));
        EXPECT_EQ(frame[7], "1000000000000001");
        EXPECT_EQ(read.font->codeTable, (std::vector<std::uint16_t> { 0x4E00, 0x41 }));
    }

    TEST(HexReader, CodesAboveFFFFAreSkippedAndCounted)
    {
        const auto read = readText(readUnifontHex,
            "1F600:" + std::string(64, 'F') + "\n" + narrowA + "\n10FFFF:" + std::string(32, '0'));
        ASSERT_TRUE(read.font.ok()) << read.font.message();
        EXPECT_EQ(read.font->info.glyphCount, 1u);
        EXPECT_EQ(read.font->info.glyphWidth, 8);
        EXPECT_EQ(read.notes, (ReadNotes { "2 glyphs with codes above FFFF were skipped." }));
    }

    TEST(HexReader, CellAndOffsetMoveTheGlyphs)
    {
        FontFileOptions options;
        options.cell = GlyphSize { 6, 12 };
        options.offset = CellOffset { -2, -4 };
        const auto read = readText(readUnifontHex, narrowA, options);
        ASSERT_TRUE(read.font.ok()) << read.font.message();
        Rows expected;
        for (int row = 4; row < 16; ++row) {
            expected.push_back(rowsOfA[row].substr(2, 6));
        }
        EXPECT_EQ(glyphRows(*read.font, 0), expected);
        EXPECT_EQ(read.notes, (ReadNotes { "1 glyph was cut to fit cells of 6 x 12 pixels." }));
    }

    TEST(HexReader, MalformedLinesAreRefusedWithTheLineAndTheReason)
    {
        const struct {
            std::string line;
            std::string message;
        } cases[] = {
            { "0041" + narrowA.substr(5),
                "line 2: no ':' between a code and a glyph's hex digits" },
            { "0041:" + std::string(33, '0'),
                "line 2: the glyph has an odd number of hex digits (33)" },
            { "0041:" + std::string(48, '0'),
                "line 2: the glyph has 48 hex digits; a glyph has 32 (8 x 16 pixels) or 64 (16 "
                "x 16)" },
            { "0041:",
                "line 2: the glyph has 0 hex digits; a glyph has 32 (8 x 16 pixels) or 64 "
                "(16 x 16)" },
            { "0041:" + std::string(31, '0') + "g", "line 2: 'g' is not a hexadecimal digit" },
            { "0041:" + std::string(30, '0') + "\xFF\xFE",
                "line 2: the byte 0xFF is not a hexadecimal digit" },
            { "00G1:" + std::string(32, '0'),
                "line 2: 'G' is not a hexadecimal digit (in the code)" },
            { std::string(":") + std::string(32, '0'),
                "line 2: the code before ':' must be 1 to 8 hex digits, not ''" },
            { "123456789:" + std::string(32, '0'),
                "line 2: the code before ':' must be 1 to 8 hex digits, not '123456789'" },
            { std::string(70000, '0'), "line 2: the line is longer than 65536 characters" },
            { narrowA + "\r" + narrowA,
                "line 2: a carriage return (CR) ends a line here; lines must end in LF or CR LF, "
                "not in CR alone" },
        };
        for (const auto& c : cases) {
            const auto read = readText(readUnifontHex, narrowA + "\n" + c.line + "\n" + narrowA);
            EXPECT_EQ(read.font.message(), c.message) << c.line.substr(0, 40);
        }
        EXPECT_EQ(readText(readUnifontHex, "").font.message(), "the file holds no glyphs");
        EXPECT_EQ(readText(readUnifontHex, "\n \n").font.message(), "the file holds no glyphs");
        EXPECT_EQ(readText(readUnifontHex, "1F600:" + std::string(32, '0')).font.message(),
            "the file holds no glyph with a code from 0 to FFFF");
    }

    TEST(HexReader, RepeatedCodesAreKeptWithOneNote)
    {
        const auto read
            = readText(readUnifontHex, narrowA + "\n0042:" + std::string(32, '0') + "\n" + narrowA);
        ASSERT_TRUE(read.font.ok()) << read.font.message();
        EXPECT_EQ(read.font->info.glyphCount, 3u);
        EXPECT_EQ(read.notes,
            (ReadNotes { "1 glyph has the code of an earlier glyph (0041); both were kept." }));
    }

    TEST(HexReader, ReadsUnifontHexAsFiftySevenThousandGlyphsOf16x16)
    {
        const std::string unifont = "/usr/share/unifont/unifont.hex";
        if (!std::filesystem::exists(unifont)) {
            GTEST_SKIP() << "needs the unifont package (./dev.sh test installs it)";
        }
        ReadNotes notes;
        const Result<FontLib> read
            = readFontFileAs(*fontFileFormatNamed(unifont), unifont, {}, notes);
        ASSERT_TRUE(read.ok()) << read.message();
        EXPECT_GT(read->info.glyphCount, 57000u);
        EXPECT_LT(read->info.glyphCount, 58000u);
        EXPECT_EQ(read->info.glyphWidth, 16);
        EXPECT_EQ(read->info.glyphHeight, 16);
        EXPECT_TRUE(notes.empty());
        const auto& codes = *read->codeTable;
        const auto a = std::find(codes.begin(), codes.end(), 0x41) - codes.begin();
        EXPECT_EQ(glyphRows(*read, static_cast<std::uint32_t>(a)), widened(rowsOfA));
    }

} // namespace
} // namespace tessellon
