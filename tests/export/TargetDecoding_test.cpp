// Every export target over a corpus of fonts, proven by drawing the exported C back: the
// target's shipped script writes the font, a check program (tests/export/decoders/
// <target>_check.c: a decoder written from the library's published format, or for the compact
// target the decoder the program ships) is compiled with it by the system's C compiler and
// draws every glyph, and each picture and advance must be the font's own (decoders/README.md
// gives the check's interface).
#include "export/ExportTarget.h"
#include "export/ScriptFile.h"
#include "export/ScriptText.h"
#include "export/TargetExport.h"

#include "ExportCorpus.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <set>
#include <sstream>

using namespace tessellon;

namespace {

const std::string decoders = DECODERS_DIR;
const std::string dataFolder = SHIPPED_DATA_DIR;

const std::vector<test::CorpusFont>& corpus()
{
    static const std::vector<test::CorpusFont> fonts = test::exportCorpus();
    return fonts;
}

// A row of the table: a target, the folder of the library's header it is built with (LVGL's
// stand-ins, the shipped compact decoder), and what else the check is compiled with.
struct TargetRow {
    std::string target;
    std::string caseName;
    std::string includeFolder;
    std::string flags;
};

// The shipped decoder runs under the address and undefined-behaviour sanitizers: it must never
// read or write outside what it is given.
const std::vector<TargetRow> targetRows {
    { "gfx", "gfx", "", "" },
    { "lvgl", "lvgl8", decoders + "/lvgl8", "" },
    { "lvgl", "lvgl9", decoders + "/lvgl9", "" },
    { "pages", "pages", "", "" },
    { "rows", "rows", "", "" },
    { "tessellon", "tessellon", "", "" },
    { "u8g2", "u8g2", "", "" },
    { "compact", "compact", dataFolder + "/decoder",
        "-g -fsanitize=address,undefined -fno-sanitize-recover=all" },
};

// The choices vary with the font, so that the corpus passes through each of them.
ExportChoices choicesFor(std::size_t font, bool proportional)
{
    ExportChoices choices;
    choices.name = "corpus_font";
    choices.advance.proportional = proportional;
    choices.advance.gap = static_cast<int>(font % 3);
    if (font % 3 != 0) {
        choices.advance.spaceWidth = static_cast<int>(2 + font % 4);
    }
    choices.pages = { font % 4 >= 2, font % 2 == 1 };
    choices.rows = { font % 4 >= 2, font % 2 == 0 };
    return choices;
}

// What the check printed for one code: "advance" with the advance and the cell's rows, or
// the rest of its line ("missing", "outside", or what went wrong).
struct Drawn {
    std::string state;
    int advance = 0;
    std::vector<std::string> rows;

    bool operator==(const Drawn&) const = default;
};

std::map<unsigned, Drawn> parseChecked(const std::string& text, int height)
{
    std::map<unsigned, Drawn> drawn;
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream words(line);
        unsigned code = 0;
        Drawn glyph;
        words >> std::hex >> code >> std::ws;
        std::getline(words, glyph.state);
        if (glyph.state.rfind("advance ", 0) == 0) {
            glyph.advance = std::atoi(glyph.state.c_str() + 8);
            glyph.state = "advance";
            glyph.rows.resize(height);
            for (std::string& row : glyph.rows) {
                std::getline(lines, row);
            }
        }
        drawn.emplace(code, glyph);
    }
    return drawn;
}

std::vector<std::string> cellRows(const FontLib& font, std::optional<std::uint32_t> glyph)
{
    std::vector<std::string> rows(font.info.glyphHeight, std::string(font.info.glyphWidth, '.'));
    for (int y = 0; glyph && y < font.info.glyphHeight; ++y) {
        for (int x = 0; x < font.info.glyphWidth; ++x) {
            rows[y][x] = font.pixel(*glyph, x, y) ? '#' : '.';
        }
    }
    return rows;
}

std::string sideBySide(const std::vector<std::string>& font, const std::vector<std::string>& got)
{
    std::string picture = "  font | decoded\n";
    for (std::size_t y = 0; y < std::max(font.size(), got.size()); ++y) {
        picture += "  " + (y < font.size() ? font[y] : "") + " | " + (y < got.size() ? got[y] : "")
            + "\n";
    }
    return picture;
}

// The first glyph of each code: the one every target keeps.
std::map<unsigned, std::uint32_t> firstGlyphOfEachCode(const FontLib& font)
{
    std::map<unsigned, std::uint32_t> first;
    for (std::uint32_t g = 0; g < font.info.glyphCount; ++g) {
        first.emplace(font.codeTable ? (*font.codeTable)[g] : g & 0xFFFFu, g);
    }
    return first;
}

// The codes to ask: the font's own, those next to them, and the edges of the code space and
// of the libraries' search ranges.
std::set<unsigned> probeCodes(const std::map<unsigned, std::uint32_t>& own)
{
    std::set<unsigned> codes { 0x0000, 0x001F, 0x0040, 0x0041, 0x0060, 0x0061, 0x007F, 0x00FF,
        0x0100, 0x4E64, 0xFFFF };
    for (const auto& [code, glyph] : own) {
        codes.insert(code);
        codes.insert((code - 1) & 0xFFFFu);
        codes.insert((code + 1) & 0xFFFFu);
    }
    return codes;
}

// What the target should draw for a code: the first glyph with the code, unless the target
// leaves it out (LVGL code 0); a GFX run holds the codes it lacks as empty glyphs of a
// space's advance.
Drawn expectedFor(const TargetFont& prepared, const std::map<unsigned, std::uint32_t>& own,
    const std::vector<GlyphMetric>& metrics, unsigned code)
{
    const FontLib& font = *prepared.font;
    const auto glyph = own.find(code);
    if (glyph != own.end() && (code != 0 || prepared.target->keepsCodeZero)) {
        return { "advance", metrics[glyph->second].advance, cellRows(font, glyph->second) };
    }
    const AdvanceRule& rule = prepared.choices.advance;
    const int space = rule.proportional
        ? rule.spaceWidth.value_or(defaultSpaceWidth(font.info.glyphHeight))
        : font.info.glyphWidth;
    const auto& codes = prepared.order.codes;
    for (std::size_t run = 0; prepared.target->runs == RunRule::Gfx && run < prepared.runCount();
         ++run) {
        if (code >= codes[prepared.runStarts[run]] && code <= codes[prepared.runEnd(run) - 1]) {
            return { "advance", space, cellRows(font, std::nullopt) };
        }
    }
    return { "missing", 0, {} };
}

bool run(const std::string& command) { return std::system(command.c_str()) == 0; }

bool haveCCompiler() { return run(C_COMPILER " --version >/dev/null 2>&1"); }

using Case = std::tuple<std::size_t, std::size_t, bool>;

class TargetDecoding : public testing::TestWithParam<Case> {
protected:
    test::TempDir m_dir;

    // Exports font for the row's target with choices through the target's shipped script.
    testing::AssertionResult exported(const TargetFont& font, const std::string& output)
    {
        const ExportTarget& target = *font.target;
        const auto script = readScriptFile(targetScriptPath(target, dataFolder).string());
        if (!script) {
            return testing::AssertionFailure() << script.message();
        }
        Csub csub;
        const Result<ExecuteResult> ran
            = runTargetScript(csub, font, joinScriptLines(*script), output);
        if (!ran || *ran != ExecuteResult::Ran) {
            return testing::AssertionFailure() << "the script did not run to its end";
        }
        for (const auto& file : shippedFilesToPlace(target, dataFolder, false)) {
            if (const auto placed = placeShippedFileBeside(output, file); !placed) {
                return testing::AssertionFailure() << placed.message();
            }
        }
        return testing::AssertionSuccess();
    }

    // The check program built with the export, run over codes; its output, or empty.
    std::string checked(const TargetRow& row, const std::string& output, const FontLib& font,
        int baseline, const std::set<unsigned>& codes)
    {
        const std::string program = m_dir.path("check");
        const std::string compile = C_COMPILER " -std=c99 -Wall -Wextra -pedantic -Werror "
            + row.flags + " -DFONT=corpus_font -DLV_LVGL_H_INCLUDE_SIMPLE -I"
            + m_dir.root().string() + (row.includeFolder.empty() ? "" : " -I" + row.includeFolder)
            + " -o " + program + " " + decoders + "/" + row.target + "_check.c " + output + " >"
            + m_dir.path("cc.log") + " 2>&1";
        if (!run(compile)) {
            ADD_FAILURE() << compile << "\n" << test::readText(m_dir.path("cc.log"));
            return {};
        }
        std::string input;
        for (unsigned code : codes) {
            char line[8];
            std::snprintf(line, sizeof line, "%04X\n", code);
            input += line;
        }
        test::writeText(m_dir.path("codes"), input);
        const std::string drawn = m_dir.path("drawn");
        if (!run("timeout 60 " + program + " " + std::to_string(font.info.glyphWidth) + " "
                + std::to_string(font.info.glyphHeight) + " " + std::to_string(baseline) + " <"
                + m_dir.path("codes") + " >" + drawn + " 2>&1")) {
            ADD_FAILURE() << "the check failed:\n" << test::readText(drawn);
            return {};
        }
        return test::readText(drawn);
    }
};

TEST_P(TargetDecoding, EveryGlyphDrawsBackAsTheFontHasIt)
{
    const auto [fontIndex, rowIndex, proportional] = GetParam();
    const FontLib& font = corpus()[fontIndex].font;
    const TargetRow& row = targetRows[rowIndex];
    if (!haveCCompiler()) {
        GTEST_SKIP() << "no C compiler (" C_COMPILER ") to build the check programs with";
    }
    ASSERT_GT(font.info.glyphCount, 0u) << "the sample font could not be read";
    const ExportChoices choices = choicesFor(fontIndex, proportional);
    const std::string output = m_dir.path("font.c");
    const Result<TargetFont> prepared
        = prepareTargetFont(font, *exportTargetNamed(row.target), choices, output);
    ASSERT_TRUE(prepared.ok()) << prepared.message();
    ASSERT_TRUE(exported(*prepared, output));

    const auto own = firstGlyphOfEachCode(font);
    const std::set<unsigned> codes = probeCodes(own);
    const auto drawn = parseChecked(
        checked(row, output, font, prepared->baseline, codes), font.info.glyphHeight);
    ASSERT_FALSE(drawn.empty());
    const std::vector<GlyphMetric> metrics = glyphMetrics(font, choices.advance);
    std::ostringstream faults;
    for (unsigned code : codes) {
        const Drawn expected = expectedFor(*prepared, own, metrics, code);
        const auto got = drawn.find(code);
        if (got == drawn.end()) {
            faults << std::hex << code << ": no answer\n";
        } else if (got->second != expected) {
            faults << std::hex << code << ": " << got->second.state << " " << std::dec
                   << got->second.advance << " where the font has " << expected.state << " "
                   << expected.advance << "\n"
                   << sideBySide(expected.rows, got->second.rows);
        }
    }
    EXPECT_TRUE(faults.str().empty()) << faults.str();
}

std::string caseName(const testing::TestParamInfo<Case>& info)
{
    const auto [font, row, proportional] = info.param;
    return corpus()[font].name + "_" + targetRows[row].caseName
        + (proportional ? "_proportional" : "");
}

INSTANTIATE_TEST_SUITE_P(Corpus, TargetDecoding,
    testing::Combine(testing::Range<std::size_t>(0, corpus().size()),
        testing::Range<std::size_t>(0, targetRows.size()), testing::Bool()),
    caseName);

} // namespace
