// Runs every script of tests/data/scripts-corpus through CsubExecute and compares what it
// says and writes with the expectations written inside the script as line comments:
//   // glyphs: N               FONT_NUMBER (default 0)
//   // stop-after-polls: N     the stop check says stop at its N-th poll
//   // expect-line: TEXT       the next line CsubExecute says, in order
//   // expect-output: TEXT     the next bytes written (\r \n \t \\ \0 \xHH escapes)
// Line ends are handed over as CR LF, as the export does. Glyph i has the code 0x4E00 + i,
// and a PUTITEM call writes "<index:zip,bin,col>".

#include "ScriptTestSupport.h"
#include "TempDir.h"

#include "script/MemoryScriptOutput.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

using namespace tessellon;

namespace {

namespace fs = std::filesystem;

const fs::path corpusDir = fs::path(TEST_DATA_DIR) / "scripts-corpus";

struct Expectations {
    std::int32_t glyphs = 0;
    int stopAfterPolls = 0;
    std::vector<std::string> lines;
    std::string output;
};

int hexValue(char c) { return c <= '9' ? c - '0' : (c | 0x20) - 'a' + 10; }

std::string unescape(const std::string& text)
{
    std::string bytes;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            bytes += text[i];
            continue;
        }
        const char c = text[++i];
        if (c == 'x' && i + 2 < text.size()) {
            bytes += static_cast<char>(hexValue(text[i + 1]) * 16 + hexValue(text[i + 2]));
            i += 2;
        } else {
            bytes += c == 'r' ? '\r' : c == 'n' ? '\n' : c == 't' ? '\t' : c == '0' ? '\0' : c;
        }
    }
    return bytes;
}

bool takeDirective(const std::string& line, const std::string& name, std::string& value)
{
    const std::string prefix = "// " + name + ":";
    if (line.rfind(prefix, 0) != 0) {
        return false;
    }
    value = line.substr(prefix.size());
    if (!value.empty() && value.front() == ' ') {
        value.erase(0, 1);
    }
    return true;
}

Expectations readExpectations(const std::string& script)
{
    Expectations expected;
    std::istringstream lines(script);
    std::string line;
    std::string value;
    while (std::getline(lines, line)) {
        if (takeDirective(line, "glyphs", value)) {
            expected.glyphs = std::stoi(value);
        } else if (takeDirective(line, "stop-after-polls", value)) {
            expected.stopAfterPolls = std::stoi(value);
        } else if (takeDirective(line, "expect-line", value)) {
            expected.lines.push_back(value);
        } else if (takeDirective(line, "expect-output", value)) {
            expected.output += unescape(value);
        }
    }
    return expected;
}

std::string withCrLf(const std::string& text)
{
    std::string result;
    for (const char c : text) {
        if (c == '\n') {
            result += '\r';
        }
        result += c;
    }
    return result;
}

std::int32_t fakePutItem(std::span<std::uint8_t> buffer, std::uint32_t index, std::int32_t zip,
    std::int32_t bin, std::int32_t col)
{
    std::string item(1, '<');
    item += std::to_string(index);
    item += ':';
    item += std::to_string(zip);
    item += ',';
    item += std::to_string(bin);
    item += ',';
    item += std::to_string(col);
    item += '>';
    std::copy(item.begin(), item.end(), buffer.begin());
    return static_cast<std::int32_t>(item.size());
}

std::vector<std::string> corpusFiles()
{
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(corpusDir)) {
        if (entry.path().extension() == ".spt") {
            names.push_back(entry.path().filename().string());
        }
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::string testName(const testing::TestParamInfo<std::string>& info)
{
    std::string name = fs::path(info.param).stem().string();
    std::replace_if(
        name.begin(), name.end(),
        [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); }, '_');
    return name;
}

class ScriptCorpus : public testing::TestWithParam<std::string> { };

} // namespace

TEST_P(ScriptCorpus, SaysAndWritesWhatTheScriptExpects)
{
    const std::string script = test::readText(corpusDir / GetParam());
    const Expectations expected = readExpectations(script);
    ASSERT_FALSE(expected.lines.empty()) << "no expect-line in " << GetParam();

    test::RecordingCsub unit;
    int polls = 0;
    if (expected.stopAfterPolls > 0) {
        unit.csub.setStopCheck([&] { return ++polls >= expected.stopAfterPolls; });
    }
    MemoryScriptOutput output;
    unit.csub.CsubExecute(
        output, withCrLf(script), fakePutItem,
        [](std::uint32_t index) { return static_cast<std::uint16_t>(0x4E00 + index); },
        expected.glyphs);
    EXPECT_EQ(unit.lines, expected.lines);
    EXPECT_EQ(output.text(), expected.output);
}

INSTANTIATE_TEST_SUITE_P(Scripts, ScriptCorpus, testing::ValuesIn(corpusFiles()), testName);

TEST(ScriptCorpusFiles, AreThere) { EXPECT_GE(corpusFiles().size(), 30u); }
