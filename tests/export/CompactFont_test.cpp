#include "export/CompactFont.h"

#include "ExportFonts.h"
#include "FontBuilders.h"
#include "TempDir.h"
#include "tessellon_compact.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <random>
#include <set>
#include <sstream>

using namespace tessellon;

namespace {

// Glyphs like a real font's: most ink boxes one of three shapes, some anywhere; rows that
// repeat the row above, rows shared with other glyphs, rows of their own; every seventh
// glyph empty. Without codes, a font without a code table.
FontLib patternFont(int width, int height, const std::vector<std::uint16_t>& codes,
    std::uint32_t count = 0, unsigned seed = 1)
{
    count = codes.empty() ? count : static_cast<std::uint32_t>(codes.size());
    FontLib font = FontLib::blank(width, height, count, !codes.empty());
    std::mt19937 random(seed);
    const auto below = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    std::vector<std::uint32_t> shared(5);
    std::generate(shared.begin(), shared.end(), [&] { return random(); });
    const InkBox shapes[]
        = { { 0, 0, width, height }, { width / 4, height / 3, (width + 1) / 2, height / 2 + 1 },
              { 1 % width, 0, width - 1 % width, height } };
    for (std::uint32_t g = 0; g < count; ++g) {
        InkBox box = shapes[below(3)];
        if (below(4) == 0) {
            box.x = below(width);
            box.y = below(height);
            box.width = 1 + below(width - box.x);
            box.height = 1 + below(height - box.y);
        }
        std::uint32_t bits = 0;
        for (int y = box.y; y < box.bottom() && g % 7 != 6; ++y) {
            const int kind = below(3);
            bits = kind == 0 && y > box.y ? bits : kind == 1 ? shared[below(5)] : random();
            for (int x = box.x; x < box.right(); ++x) {
                if ((bits >> (x % 32)) & 1u) {
                    font.setPixel(g, x, y);
                }
            }
        }
    }
    if (!codes.empty()) {
        *font.codeTable = codes;
    }
    return font;
}

std::vector<std::uint16_t> codeRange(std::uint16_t first, std::uint16_t last)
{
    std::vector<std::uint16_t> codes;
    for (std::uint32_t code = first; code <= last; ++code) {
        codes.push_back(static_cast<std::uint16_t>(code));
    }
    return codes;
}

// CJK codes in three runs, one of them given twice: the first glyph of a code is the one kept.
std::vector<std::uint16_t> cjkCodes()
{
    std::vector<std::uint16_t> codes = codeRange(0x4E00, 0x4F2B);
    codes.erase(codes.begin() + 100, codes.begin() + 103);
    codes.push_back(0x9FA5);
    codes.push_back(0x4E10);
    return codes;
}

struct CorpusFont {
    const char* name;
    FontLib font;
    AdvanceRule advance;
    int baseline;
};

std::vector<CorpusFont> corpus()
{
    const AdvanceRule fixed;
    const AdvanceRule proportional { true, 1, std::nullopt };
    const std::vector<std::uint16_t> ascii = codeRange(0x20, 0x7E);
    return {
        { "sample", test::numberedFont(11, 10, 40), proportional, 8 },
        { "8 x 8", patternFont(8, 8, ascii), fixed, 6 },
        { "7 x 14", patternFont(7, 14, ascii, 0, 2), proportional, 11 },
        { "CJK 16 x 16", patternFont(16, 16, cjkCodes()), fixed, 14 },
        { "empty glyphs", FontLib::blank(6, 4, 3, false), { true, 0, 3 }, 0 },
        { "5 x 3", patternFont(5, 3, codeRange(0x30, 0x45), 0, 3), { true, 0, 3 }, 3 },
        { "1 pixel wide", patternFont(1, 12, codeRange(0x100, 0x12F)), { true, 2, 4 }, 12 },
        { "33 x 40", patternFont(33, 40, codeRange(0x41, 0x5A), 0, 4), fixed, 31 },
        { "no code table", patternFont(9, 9, {}, 70, 5), proportional, 7 },
    };
}

std::string hexCode(std::uint32_t code)
{
    char text[16];
    std::snprintf(text, sizeof text, "%04X", code);
    return text;
}

// What the check program prints for codes: each glyph's advance and its cell.
std::string expectedDrawing(const CorpusFont& entry, const std::vector<std::uint32_t>& codes)
{
    const FontLib& font = entry.font;
    const std::vector<GlyphMetric> metrics = glyphMetrics(font, entry.advance);
    std::string text;
    for (const std::uint32_t code : codes) {
        std::uint32_t g = 0;
        while (g < font.info.glyphCount
            && (font.codeTable ? (*font.codeTable)[g] : g & 0xFFFFu) != code) {
            ++g;
        }
        if (g == font.info.glyphCount) {
            text += hexCode(code) + " missing\n";
            continue;
        }
        text += hexCode(code) + " advance " + std::to_string(metrics[g].advance) + "\n";
        for (int y = 0; y < font.info.glyphHeight; ++y) {
            for (int x = 0; x < font.info.glyphWidth; ++x) {
                text += font.pixel(g, x, y) ? '#' : '.';
            }
            text += '\n';
        }
    }
    return text;
}

// Every code of the font and some it lacks.
std::vector<std::uint32_t> codesToDraw(const FontLib& font)
{
    std::vector<std::uint32_t> codes { 0, 0x1F, 0x7F, 0x4E64, 0xFFFF };
    for (std::uint32_t g = 0; g < font.info.glyphCount; ++g) {
        codes.push_back(font.codeTable ? (*font.codeTable)[g] : g);
    }
    std::sort(codes.begin(), codes.end());
    codes.erase(std::unique(codes.begin(), codes.end()), codes.end());
    return codes;
}

std::string asCArray(const std::vector<std::uint8_t>& bytes)
{
    std::string text = "const unsigned char compact_font[] = {";
    for (const std::uint8_t byte : bytes) {
        text += std::to_string(byte) + ",";
    }
    return text + "};\nconst unsigned long compact_font_size = sizeof compact_font;\n";
}

bool run(const std::string& command) { return std::system(command.c_str()) == 0; }

// The check program and the shipped decoder, compiled once as C99 with every warning an error
// and run under the address and undefined-behaviour sanitizers.
class CheckProgram {
public:
    CheckProgram()
    {
        m_compiled
            = run(m_compile + " -I" DECODER_DIR " -DFONT=compact_font -c " CHECK_SOURCE " -o "
                + m_dir.path("check.o") + " 2>" + m_dir.path("cc.log"));
    }
    const std::string& compileLog() const { return m_log = test::readText(m_dir.path("cc.log")); }
    bool compiled() const { return m_compiled; }

    // What the check program prints for the font and codes; empty when it fails.
    std::string draw(const std::vector<std::uint8_t>& bytes, const FontLib& font, int baseline,
        const std::vector<std::uint32_t>& codes)
    {
        test::writeText(m_dir.path("font.c"), asCArray(bytes));
        std::string input;
        for (const std::uint32_t code : codes) {
            input += hexCode(code) + "\n";
        }
        test::writeText(m_dir.path("codes.txt"), input);
        const std::string program = m_dir.path("check");
        if (!run(m_compile + " " + m_dir.path("font.c") + " " + m_dir.path("check.o") + " -o "
                + program + " 2>" + m_dir.path("cc.log"))
            || !run(program + " " + std::to_string(font.info.glyphWidth) + " "
                + std::to_string(font.info.glyphHeight) + " " + std::to_string(baseline) + " <"
                + m_dir.path("codes.txt") + " >" + m_dir.path("out.txt"))) {
            return {};
        }
        return test::readText(m_dir.path("out.txt"));
    }

private:
    test::TempDir m_dir;
    const std::string m_compile = C_COMPILER " -std=c99 -Wall -Wextra -pedantic -Werror -g"
                                             " -fsanitize=address,undefined"
                                             " -fno-sanitize-recover=all";
    bool m_compiled = false;
    mutable std::string m_log;
};

// The drawings split at each line that starts with a code.
std::vector<std::vector<std::string>> glyphBlocks(const std::string& text)
{
    std::vector<std::vector<std::string>> blocks;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        if (blocks.empty() || (line[0] != '.' && line[0] != '#')) {
            blocks.emplace_back();
        }
        blocks.back().push_back(line);
    }
    return blocks;
}

// The first glyph that differs, the font's and the decoder's drawings side by side.
testing::AssertionResult sameDrawings(const std::string& expected, const std::string& decoded)
{
    const auto want = glyphBlocks(expected);
    const auto got = glyphBlocks(decoded);
    for (std::size_t b = 0; b < std::max(want.size(), got.size()); ++b) {
        const std::vector<std::string> none { "(nothing)" };
        const auto& left = b < want.size() ? want[b] : none;
        const auto& right = b < got.size() ? got[b] : none;
        if (left != right) {
            auto failure = testing::AssertionFailure() << "font | decoded\n";
            for (std::size_t i = 0; i < std::max(left.size(), right.size()); ++i) {
                failure << (i < left.size() ? left[i] : "") << " | "
                        << (i < right.size() ? right[i] : "") << "\n";
            }
            return failure;
        }
    }
    return testing::AssertionSuccess();
}

TEST(CompactFont, TheShippedDecoderDrawsEveryGlyphOfTheCorpusAsTheFontHasIt)
{
    CheckProgram check;
    ASSERT_TRUE(check.compiled()) << check.compileLog();
    for (const CorpusFont& entry : corpus()) {
        SCOPED_TRACE(entry.name);
        const auto bytes = encodeCompactFont(entry.font, entry.advance, entry.baseline);
        ASSERT_TRUE(bytes) << bytes.message();
        const auto codes = codesToDraw(entry.font);
        EXPECT_TRUE(sameDrawings(
            expectedDrawing(entry, codes), check.draw(*bytes, entry.font, entry.baseline, codes)))
            << check.compileLog();
    }
}

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
    const auto encoded = encodeCompactFontWithSizes(test::twoGlyphFont(), {}, 2);
    ASSERT_TRUE(encoded);
    EXPECT_EQ(encoded->pixelBytes, 3u);
    EXPECT_EQ(encoded->bytes, *encodeCompactFont(test::twoGlyphFont(), {}, 2));
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
    ASSERT_TRUE(tessellon_compact_open(&compact, bytes->data(), bytes->size()));

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
    ASSERT_TRUE(tessellon_compact_open(&compact, bytes->data(), bytes->size()));
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
