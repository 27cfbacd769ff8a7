// Every export target over a corpus of fonts, proven by drawing the exported C back: the
// target's shipped script writes the font, a check program written from the library's
// published format (tests/export/decoders/<target>_check.c) is compiled with it by the
// system's C compiler and draws every glyph, and each picture and advance must be the
// font's own (decoders/README.md gives the check's interface).
#include "document/PixReader.h"
#include "export/ExportTarget.h"
#include "export/ScriptFile.h"
#include "export/ScriptText.h"
#include "export/TargetExport.h"

#include "FontBuilders.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <random>
#include <sstream>

using namespace tessellon;

namespace {

const std::string decoders = DECODERS_DIR;
const std::string dataFolder = SHIPPED_DATA_DIR;

// Glyph g has ink with the density given in a box that changes from glyph to glyph; every
// fifth glyph of a font with emptyEvery is empty.
FontLib patternFont(int width, int height, const std::vector<std::uint16_t>& codes,
    std::uint32_t seed, int emptyEvery = 0)
{
    FontLib font = FontLib::blank(width, height, static_cast<std::uint32_t>(codes.size()), true);
    *font.codeTable = codes;
    std::mt19937 random(seed);
    for (std::uint32_t g = 0; g < codes.size(); ++g) {
        if (emptyEvery && g % emptyEvery == 0) {
            continue;
        }
        const int x0 = static_cast<int>(random() % width);
        const int y0 = static_cast<int>(random() % height);
        const int x1 = x0 + static_cast<int>(random() % (width - x0));
        const int y1 = y0 + static_cast<int>(random() % (height - y0));
        font.setPixel(g, x0, y0);
        for (int y = y0; y <= y1; ++y) {
            for (int x = x0; x <= x1; ++x) {
                if (random() % 3 == 0) {
                    font.setPixel(g, x, y);
                }
            }
        }
    }
    return font;
}

std::vector<std::uint16_t> codeRange(std::uint16_t first, std::uint16_t last)
{
    std::vector<std::uint16_t> codes;
    for (unsigned code = first; code <= last; ++code) {
        codes.push_back(static_cast<std::uint16_t>(code));
    }
    return codes;
}

struct CorpusFont {
    std::string name;
    FontLib font;
};

const std::vector<CorpusFont>& corpus()
{
    static const std::vector<CorpusFont> fonts = [] {
        std::vector<CorpusFont> list;
        Result<FontLib> sample = readPixFile(std::string(TEST_DATA_DIR) + "/fonts/sample.pix");
        list.push_back({ "sample", sample ? std::move(sample).value() : FontLib {} });
        // 8 x 8 with a code held twice (0x42: the first glyph is kept) and a gap.
        std::vector<std::uint16_t> eight = codeRange(0x20, 0x5F);
        eight[0x30] = 0x42;
        list.push_back({ "eight", patternFont(8, 8, eight, 1) });
        list.back().font.baseline = 7;
        list.push_back({ "seven14", patternFont(7, 14, codeRange(0x20, 0x7E), 2) });
        list.back().font.baseline = 11;
        // Latin below 0x100 and CJK above it, in runs and scattered.
        std::vector<std::uint16_t> cjk = codeRange(0x4E00, 0x4EC7);
        for (std::uint16_t code : { 0x41, 0x42, 0xE9, 0x5000, 0x5002, 0x5010, 0x6000, 0x9FA5 }) {
            cjk.push_back(code);
        }
        list.push_back({ "cjk16", patternFont(16, 16, cjk, 3) });
        list.back().font.baseline = 14;
        list.push_back({ "empties", patternFont(10, 12, codeRange(0x20, 0x3F), 4, 5) });
        list.push_back({ "onewide", patternFont(1, 8, codeRange(0x30, 0x39), 5) });
        list.back().font.baseline = 6;
        list.push_back({ "big33x40", patternFont(33, 40, codeRange(0x41, 0x4A), 6) });
        list.back().font.baseline = 31;
        FontLib codeless = patternFont(9, 11, codeRange(0, 39), 7);
        codeless.codeTable.reset();
        codeless.baseline = 9;
        list.push_back({ "codeless", std::move(codeless) });
        return list;
    }();
    return fonts;
}

// A row of the table: a target, and for LVGL the version of the stand-in header.
struct TargetRow {
    std::string target;
    std::string includeFolder; // besides the export's own, for the library's header
};

const std::vector<TargetRow> targetRows {
    { "gfx", "" },
    { "lvgl", "lvgl8" },
    { "lvgl", "lvgl9" },
    { "pages", "" },
    { "rows", "" },
    { "tessellon", "" },
    { "u8g2", "" },
};

// The choices vary with the font, so that the corpus passes through each of them.
ExportChoices choicesFor(std::size_t font)
{
    ExportChoices choices;
    choices.name = "corpus_font";
    choices.advance.proportional = font % 2 == 1;
    choices.advance.gap = static_cast<int>(font % 3);
    choices.pages = { font % 4 >= 2, font % 2 == 1 };
    choices.rows = { font % 4 >= 2, font % 2 == 0 };
    return choices;
}

struct Decoded {
    std::string state; // "advance", "missing", "outside" or what else the check printed
    int advance = 0;
    std::vector<std::string> rows;
};

// Parses the check's lines: a code line, and after "advance N" the glyph's rows.
std::map<unsigned, Decoded> parseChecked(const std::string& text, int height)
{
    std::map<unsigned, Decoded> decoded;
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream words(line);
        unsigned code = 0;
        Decoded glyph;
        if (!(words >> std::hex >> code >> glyph.state)) {
            decoded[0x10000].state = line;
            break;
        }
        if (glyph.state == "advance") {
            words >> std::dec >> glyph.advance;
            glyph.rows.resize(height);
            for (std::string& row : glyph.rows) {
                std::getline(lines, row);
            }
        }
        decoded[code] = glyph;
    }
    return decoded;
}

std::vector<std::string> glyphRows(const FontLib& font, std::optional<std::uint32_t> glyph)
{
    std::vector<std::string> rows(font.info.glyphHeight, std::string(font.info.glyphWidth, '.'));
    for (int y = 0; glyph && y < font.info.glyphHeight; ++y) {
        for (int x = 0; x < font.info.glyphWidth; ++x) {
            rows[y][x] = font.pixel(*glyph, x, y) ? '#' : '.';
        }
    }
    return rows;
}

std::string sideBySide(
    const std::vector<std::string>& expected, const std::vector<std::string>& got)
{
    std::string picture = "  font | decoded\n";
    for (std::size_t y = 0; y < expected.size(); ++y) {
        picture += "  " + expected[y] + " | " + (y < got.size() ? got[y] : "") + "\n";
    }
    return picture;
}

// The codes to ask: the font's, and a few it lacks (below, above and between them).
std::vector<unsigned> probeCodes(const CodeOrder& all)
{
    std::vector<unsigned> codes(all.codes.begin(), all.codes.end());
    const unsigned lowest = all.codes.front();
    const unsigned highest = all.codes.back();
    if (lowest > 0) {
        codes.push_back(lowest - 1);
    }
    if (highest < 0xFFFF) {
        codes.push_back(highest + 1);
    }
    for (std::size_t k = 1; k < all.codes.size(); ++k) {
        if (all.codes[k] > all.codes[k - 1] + 1u) {
            codes.push_back(all.codes[k - 1] + 1u);
            break;
        }
    }
    return codes;
}

// What the target should give for code: the first glyph of the code, unless the target
// leaves it out; a GFX run holds the codes it lacks as empty glyphs of a space's advance.
Decoded expectedFor(const TargetFont& font, unsigned code)
{
    const auto kept = std::find(font.order.codes.begin(), font.order.codes.end(), code);
    if (kept != font.order.codes.end()) {
        const std::uint32_t glyph = font.order.glyphs[kept - font.order.codes.begin()];
        return { "advance", font.advance(glyph), glyphRows(*font.font, glyph) };
    }
    for (std::size_t run = 0; font.target->runs == RunRule::Gfx && run < font.runCount(); ++run) {
        const unsigned first = font.order.codes[font.runStarts[run]];
        const unsigned last = font.order.codes[font.runEnd(run) - 1];
        if (code >= first && code <= last) {
            return { "advance", font.spaceAdvance, glyphRows(*font.font, std::nullopt) };
        }
    }
    return { "missing", 0, {} };
}

bool haveCCompiler() { return std::system("cc --version >/dev/null 2>&1") == 0; }

class TargetDecoding : public testing::TestWithParam<std::tuple<std::size_t, std::size_t>> { };

TEST_P(TargetDecoding, EveryGlyphDrawsBackAsTheFontHasIt)
{
    const auto [fontIndex, rowIndex] = GetParam();
    const CorpusFont& corpusFont = corpus()[fontIndex];
    const TargetRow& row = targetRows[rowIndex];
    const ExportTarget& target = *exportTargetNamed(row.target);
    const std::string check = decoders + "/" + row.target + "_check.c";
    if (!haveCCompiler()) {
        GTEST_SKIP() << "no C compiler (cc) to build the check programs with";
    }
    if (!std::filesystem::exists(check)) {
        GTEST_SKIP() << check << " is not written yet";
    }
    ASSERT_GT(corpusFont.font.info.glyphCount, 0u) << "the sample font could not be read";
    test::TempDir dir;
    const std::string output = dir.path("font.c");
    const Result<TargetFont> font
        = prepareTargetFont(corpusFont.font, target, choicesFor(fontIndex), output);
    ASSERT_TRUE(font.ok()) << font.message();
    const auto script = readScriptFile(targetScriptPath(target, dataFolder).string());
    ASSERT_TRUE(script.ok()) << script.message();
    Csub csub;
    const Result<ExecuteResult> ran
        = runTargetScript(csub, *font, joinScriptLines(*script), output);
    ASSERT_TRUE(ran.ok() && *ran == ExecuteResult::Ran) << "the script did not run to its end";
    if (!target.headerFile.empty()) {
        ASSERT_TRUE(placeShippedFileBeside(output, targetHeaderPath(target, dataFolder)).ok());
    }

    const std::string program = dir.path("check");
    const std::string compile = "cc -std=c99 -Wall -Wextra -pedantic -Werror -DFONT=corpus_font"
                                " -DLV_LVGL_H_INCLUDE_SIMPLE -I"
        + dir.root().string()
        + (row.includeFolder.empty() ? "" : " -I" + decoders + "/" + row.includeFolder) + " -o "
        + program + " " + check + " " + output + " >" + dir.path("cc.log") + " 2>&1";
    ASSERT_EQ(std::system(compile.c_str()), 0) << test::readText(dir.path("cc.log"));

    const CodeOrder all = codeOrder(corpusFont.font, true);
    std::string codes;
    for (unsigned code : probeCodes(all)) {
        char line[8];
        std::snprintf(line, sizeof line, "%X\n", code);
        codes += line;
    }
    test::writeText(dir.path("codes"), codes);
    const FontLibInfo& info = corpusFont.font.info;
    const std::string run = program + " " + std::to_string(info.glyphWidth) + " "
        + std::to_string(info.glyphHeight) + " " + std::to_string(font->baseline) + " <"
        + dir.path("codes") + " >" + dir.path("decoded");
    ASSERT_EQ(std::system(run.c_str()), 0) << test::readText(dir.path("decoded"));

    const auto decoded = parseChecked(test::readText(dir.path("decoded")), info.glyphHeight);
    for (unsigned code : probeCodes(all)) {
        const Decoded expected = expectedFor(*font, code);
        const auto found = decoded.find(code);
        ASSERT_NE(found, decoded.end()) << "no answer for code " << std::hex << code;
        const Decoded& got = found->second;
        EXPECT_EQ(got.state, expected.state) << "code " << std::hex << code;
        EXPECT_EQ(got.advance, expected.advance) << "advance of code " << std::hex << code;
        EXPECT_TRUE(got.rows == expected.rows)
            << "code " << std::hex << code << " draws otherwise:\n"
            << sideBySide(expected.rows, got.rows);
    }
    EXPECT_EQ(decoded.count(0x10000), 0u) << decoded.at(0x10000).state;
}

std::string caseName(const testing::TestParamInfo<TargetDecoding::ParamType>& info)
{
    const auto [font, row] = info.param;
    const TargetRow& target = targetRows[row];
    const std::string version = target.includeFolder.empty() ? "" : target.includeFolder.substr(4);
    return corpus()[font].name + "_" + target.target + version;
}

INSTANTIATE_TEST_SUITE_P(Corpus, TargetDecoding,
    testing::Combine(
        testing::Range<std::size_t>(0, 8), testing::Range<std::size_t>(0, targetRows.size())),
    caseName);

} // namespace
