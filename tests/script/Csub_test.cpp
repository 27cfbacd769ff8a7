#include "ScriptTestSupport.h"

#include "export/DefaultScript.h"
#include "script/MemoryScriptOutput.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace tessellon;
using tessellon::test::RecordingCsub;

namespace {

// Counts flushes and can refuse them.
class FlushRecordingOutput final : public ScriptOutput {
public:
    explicit FlushRecordingOutput(bool flushWorks)
        : m_flushWorks(flushWorks)
    {
    }

    bool write(std::span<const std::uint8_t> bytes) override
    {
        pending += bytes.size();
        return true;
    }

    bool flush() override
    {
        ++flushes;
        if (m_flushWorks) {
            pending = 0;
        }
        return m_flushWorks;
    }

    std::size_t pending = 0;
    int flushes = 0;

private:
    bool m_flushWorks;
};

std::string joinedWithCrLf(const std::vector<std::string>& lines)
{
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        text += (i == 0 ? "" : "\r\n") + lines[i];
    }
    return text;
}

} // namespace

TEST(Csub, EmptyScriptWritesTheFourLinesAndNoByte)
{
    RecordingCsub unit;
    MemoryScriptOutput output;
    EXPECT_EQ(unit.csub.CsubExecute(output, "", {}, {}, 0), ExecuteResult::Ran);
    EXPECT_EQ(
        unit.lines, (std::vector<std::string> { "Compiling...", "No error", "Run...", "OK" }));
    EXPECT_TRUE(output.bytes().empty());
}

TEST(Csub, CompileErrorRunsNothing)
{
    RecordingCsub unit;
    MemoryScriptOutput output;
    EXPECT_EQ(unit.csub.CsubExecute(output, "WRITE(\"a\");\r\nWRITE(\"b\")\r\n}", {}, {}, 0),
        ExecuteResult::CompileError);
    EXPECT_EQ(
        unit.lines, (std::vector<std::string> { "Compiling...", "Line 3: [E5] ; expected \"}\"" }));
    EXPECT_TRUE(output.bytes().empty());
}

TEST(Csub, RunAfterAFailedCompilationDoesNothing)
{
    RecordingCsub unit;
    MemoryScriptOutput output;
    unit.csub.setOutput(&output);
    ASSERT_EQ(unit.csub.CsubCompile("WRITE(\"x\"); WRITE(\"y\" 1);"), 2);
    unit.csub.CsubRun();
    EXPECT_TRUE(output.bytes().empty());
    ASSERT_EQ(unit.csub.CsubCompile("WRITE(\"x\");"), 0);
    unit.csub.CsubRun();
    EXPECT_EQ(output.text(), "x");
}

TEST(Csub, DefaultScriptExportsTheTwoGlyphFont)
{
    const std::vector<std::uint8_t> pixels = { 0x18, 0x24, 0x3C, 0x42 };
    const std::vector<std::uint16_t> codes = { 0x004A, 0x004B };
    auto putItem = [&](std::span<std::uint8_t> buffer, std::uint32_t index, std::int32_t,
                       std::int32_t, std::int32_t) {
        static constexpr char hex[] = "0123456789abcdef";
        std::int32_t size = 0;
        for (std::uint32_t b = 0; b < 2; ++b) {
            const std::uint8_t byte = pixels[index * 2 + b];
            for (const char c : { '0', 'x', hex[byte >> 4], hex[byte & 15], ',' }) {
                buffer[static_cast<std::size_t>(size++)] = static_cast<std::uint8_t>(c);
            }
        }
        return size;
    };
    auto getUnicode = [&](std::uint32_t index) { return codes[index]; };
    RecordingCsub unit;
    MemoryScriptOutput output;
    EXPECT_EQ(unit.csub.CsubExecute(output, joinedWithCrLf(defaultScript()), putItem, getUnicode, 2),
        ExecuteResult::Ran);
    EXPECT_EQ(output.text(),
        "#include \"fontlib.h\"\r\n"
        "const unsigned char uc2_004a[] = {0x18,0x24,};\r\n"
        "const unsigned char uc2_004b[] = {0x3c,0x42,};\r\n"
        "const unsigned char* zk_table[] = {\r\n"
        "uc2_004a,\r\n"
        "uc2_004b,\r\n"
        "};\r\n");
    EXPECT_EQ(unit.lines.back(), "OK");
}

TEST(Csub, OkFollowsTheFlush)
{
    FlushRecordingOutput output(true);
    std::size_t pendingAtOk = 99;
    Csub csub([&](const std::string& line) {
        if (line == "OK") {
            pendingAtOk = output.pending;
        }
    });
    EXPECT_EQ(csub.CsubExecute(output, "WRITE(\"abc\");", {}, {}, 0), ExecuteResult::Ran);
    EXPECT_EQ(pendingAtOk, 0u);
    EXPECT_EQ(output.flushes, 1);
}

TEST(Csub, FailedFlushIsReportedInsteadOfOk)
{
    RecordingCsub unit;
    FlushRecordingOutput output(false);
    EXPECT_EQ(
        unit.csub.CsubExecute(output, "WRITE(\"abc\");", {}, {}, 0), ExecuteResult::OutputFailed);
    EXPECT_EQ(unit.lines,
        (std::vector<std::string> { "Compiling...", "No error", "Run...",
            "run error: cannot write the output file",
            "run error: cannot write the output file" }));
}

TEST(Csub, FailedWriteEndsTheRun)
{
    RecordingCsub unit;
    MemoryScriptOutput output(10);
    int puts = 0;
    auto putItem
        = [&](std::span<std::uint8_t>, std::uint32_t, std::int32_t, std::int32_t, std::int32_t) {
              ++puts;
              return 0;
          };
    // Never ends by itself: only the failed write stops it.
    EXPECT_EQ(unit.csub.CsubExecute(
                  output, "int i; for (;1;) { WRITE(\"abcd\"); PUTITEM(i); }", putItem, {}, 0),
        ExecuteResult::OutputFailed);
    EXPECT_EQ(output.text(), "abcdabcd");
    EXPECT_EQ(puts, 2);
    EXPECT_EQ(unit.lines,
        (std::vector<std::string> { "Compiling...", "No error", "Run...",
            "run error: cannot write the output file",
            "run error: cannot write the output file" }));
}

TEST(Csub, StoppedRunKeepsWhatItWroteAndSaysNoOk)
{
    RecordingCsub unit;
    FlushRecordingOutput output(true);
    unit.csub.setStopCheck([] { return true; });
    EXPECT_EQ(unit.csub.CsubExecute(output, "int i; for (;;i++) WRITE(\"%d\", i);", {}, {}, 0),
        ExecuteResult::Ran);
    // for (;;) never runs its body: an empty test pops 0 from the empty stack.
    EXPECT_EQ(unit.lines.back(), "OK");

    unit.lines.clear();
    EXPECT_EQ(unit.csub.CsubExecute(output, "int i; for (;1;i++) WRITE(\"%d\", i);", {}, {}, 0),
        ExecuteResult::Stopped);
    EXPECT_EQ(output.flushes, 2);
    EXPECT_EQ(output.pending, 0u);
    EXPECT_EQ(unit.lines,
        (std::vector<std::string> { "Compiling...", "No error", "Run...",
            "run error: stopped on request", "run error: stopped on request" }));
}

TEST(Csub, FontNumberIsTheGlyphCount)
{
    RecordingCsub unit;
    MemoryScriptOutput output;
    unit.csub.CsubExecute(output, "WRITE(\"%d\", FONT_NUMBER);", {}, {}, 300);
    EXPECT_EQ(output.text(), "300");
}

TEST(Csub, CallbacksAndOutputAreDroppedAfterTheRun)
{
    RecordingCsub unit;
    MemoryScriptOutput output;
    int calls = 0;
    auto getUnicode
        = [&](std::uint32_t) -> std::uint16_t { return static_cast<std::uint16_t>(++calls); };
    unit.csub.CsubExecute(output, "int u; u = GETUNICODE(0); WRITE(\"a\");", {}, getUnicode, 1);
    ASSERT_EQ(calls, 1);
    unit.csub.CsubRun();
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(unit.csub.variable("u"), 0u);
    EXPECT_EQ(output.text(), "a");
}

TEST(Csub, LineSinkCanBeReplaced)
{
    std::vector<std::string> first;
    std::vector<std::string> second;
    Csub csub([&](const std::string& line) { first.push_back(line); });
    csub.CsubOutput("one");
    csub.setLineSink([&](const std::string& line) { second.push_back(line); });
    csub.CsubOutput("two");
    EXPECT_EQ(first, std::vector<std::string> { "one" });
    EXPECT_EQ(second, std::vector<std::string> { "two" });
    Csub silent;
    silent.CsubOutput("nowhere");
}
