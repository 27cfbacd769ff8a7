#include "ScriptTestSupport.h"

#include "script/MemoryScriptOutput.h"
#include "script/PcodeMachine.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

using namespace tessellon;
using tessellon::test::RecordingCsub;

namespace {

// A machine over its own memory, running code that the test writes by hand.
struct HandMachine {
    ScriptMemory memory;
    PcodeMachine machine { memory };
    std::vector<std::string> lines;
    MemoryScriptOutput output;

    HandMachine()
    {
        machine.setLineSink([this](const std::string& line) { lines.push_back(line); });
        machine.setOutput(&output);
    }

    RunEnd run(const std::vector<Instruction>& code)
    {
        std::copy(code.begin(), code.end(), memory.code.begin());
        memory.codeCount = static_cast<std::uint32_t>(code.size());
        return machine.CsubRun();
    }

    std::vector<std::uint32_t> stack() const
    {
        std::vector<std::uint32_t> words;
        for (std::uint32_t i = 0; i < machine.stackDepth(); ++i) {
            words.push_back(machine.stackWord(i));
        }
        return words;
    }
};

Instruction op(Opcode code, std::uint32_t operand = 0) { return { code, 0, operand }; }

// Compiles and runs a script on a fresh unit and returns it for inspection.
struct ScriptRun {
    RecordingCsub unit;
    MemoryScriptOutput output;

    explicit ScriptRun(const std::string& text, TPutItemFunc putItem = {},
        TGetUnicodeFunc getUnicode = {}, std::int32_t glyphs = 0)
    {
        unit.csub.CsubExecute(output, text, std::move(putItem), std::move(getUnicode), glyphs);
    }

    std::uint32_t operator[](const std::string& name) const { return unit.csub.variable(name); }
};

const std::vector<std::string> executeFrame = { "Compiling...", "No error", "Run...", "OK" };

} // namespace

TEST(PcodeMachine, ArithmeticFollowsPrecedence)
{
    ScriptRun run("int a, b, c, d; a = 2 + 3 * 4; b = (2 + 3) * 4; c = 10 - 3 - 2; d = 2 * 3 * 4;");
    EXPECT_EQ(run["a"], 14u);
    EXPECT_EQ(run["b"], 20u);
    EXPECT_EQ(run["c"], 5u);
    EXPECT_EQ(run["d"], 24u);
}

TEST(PcodeMachine, ArithmeticWrapsAndDividesUnsigned)
{
    ScriptRun run("int a, b, c, x, y, z; a = 2147483647 + 1; b = 0 - 1; c = 65536 * 65536 + 3;"
                  "x = 7 / 2; y = 0 - 7; z = y / 2;");
    EXPECT_EQ(run["a"], 0x80000000u);
    EXPECT_EQ(run["b"], 0xFFFFFFFFu);
    EXPECT_EQ(run["c"], 3u);
    EXPECT_EQ(run["x"], 3u);
    EXPECT_EQ(run["z"], 2147483644u);
}

TEST(PcodeMachine, ComparisonsAreUnsigned)
{
    ScriptRun run("int i; for (i = 0; 0 - 1 < 5; i++) WRITE(\"x\");");
    EXPECT_EQ(run.output.text(), "");

    HandMachine hand;
    const std::uint32_t minusOne = 0xFFFFFFFF;
    hand.run({ op(Opcode::LDC, minusOne), op(Opcode::LDC, 1), op(Opcode::GRT), op(Opcode::LDC, 1),
        op(Opcode::LDC, minusOne), op(Opcode::LOW), op(Opcode::LDC, 3), op(Opcode::LDC, 3),
        op(Opcode::GTE), op(Opcode::LDC, 4), op(Opcode::LDC, 3), op(Opcode::LWE),
        op(Opcode::LDC, 9), op(Opcode::LDC, 9), op(Opcode::EQU), op(Opcode::LDC, 9),
        op(Opcode::LDC, 9), op(Opcode::NEQ), op(Opcode::LDC, 2), op(Opcode::LDC, 3),
        op(Opcode::GRT), op(Opcode::STP) });
    EXPECT_EQ(hand.stack(), (std::vector<std::uint32_t> { 1, 1, 1, 0, 1, 0, 0 }));
}

TEST(PcodeMachine, SignedValuesPrintSigned)
{
    ScriptRun run("int x; x = 0 - 2; WRITE(\"%d\", x);");
    EXPECT_EQ(run.output.text(), "-2");
}

TEST(PcodeMachine, DivisionByZeroIsReportedTwiceAndTheRunGoesOn)
{
    ScriptRun run("int x; x = 5 / 0; WRITE(\"after\");");
    EXPECT_EQ(run.unit.lines,
        (std::vector<std::string> { "Compiling...", "No error", "Run...", "run error: divided by 0",
            "run error: divided by 0", "OK" }));
    EXPECT_EQ(run.output.text(), "after");
}

TEST(PcodeMachine, DivisionByZeroPushesZero)
{
    HandMachine hand;
    hand.run({ op(Opcode::LDC, 4), op(Opcode::LDC, 8), op(Opcode::LDC, 0), op(Opcode::DVI),
        op(Opcode::STP) });
    EXPECT_EQ(hand.stack(), (std::vector<std::uint32_t> { 4, 0 }));
}

TEST(PcodeMachine, DivisionByZeroInALoopLeavesTheOtherVariablesAlone)
{
    // Without a quotient the assignment would store x's offset into i, and the loop would
    // never end.
    ScriptRun run("int i, x; x = 9; for (i = 0; i < 500; i++) x = 5 / 0; WRITE(\"%d\", i);");
    EXPECT_EQ(run["i"], 500u);
    EXPECT_EQ(run["x"], 0u);
    EXPECT_EQ(run.output.text(), "500");
    ASSERT_EQ(run.unit.lines.size(), 3u + 2 * 500 + 1);
    EXPECT_EQ(run.unit.lines[3], runErrorDividedByZero);
    EXPECT_EQ(run.unit.lines.back(), "OK");
}

TEST(PcodeMachine, PopFromAnEmptyStackYieldsZero)
{
    HandMachine hand;
    hand.run({ op(Opcode::ADI), op(Opcode::LDC, 5), op(Opcode::SBI), op(Opcode::STP) });
    EXPECT_EQ(hand.stack(), (std::vector<std::uint32_t> { 0xFFFFFFFB }));
    EXPECT_TRUE(hand.lines.empty());
}

TEST(PcodeMachine, UnknownInstructionsAreReportedAndSkipped)
{
    HandMachine hand;
    hand.run({ op(Opcode::LDC, 1), op(static_cast<Opcode>(23)), op(static_cast<Opcode>(255)),
        op(Opcode::LDC, 2), op(Opcode::STP) });
    EXPECT_EQ(hand.stack(), (std::vector<std::uint32_t> { 1, 2 }));
    EXPECT_EQ(hand.lines, std::vector<std::string>(4, "run error: unknow ins"));
}

TEST(PcodeMachine, OperandsOutsideTheTablesAreUnknownInstructions)
{
    HandMachine hand;
    hand.run({ op(Opcode::LDC, 1), op(Opcode::LOD, 100), op(Opcode::LDA, 0xFFFFFFFF),
        op(Opcode::FJP, 100), op(Opcode::UJP, 5000), op(Opcode::STP) });
    EXPECT_EQ(hand.stack(), (std::vector<std::uint32_t> { 1 }));
    EXPECT_EQ(hand.lines.size(), 8u);
}

TEST(PcodeMachine, StnStoresAndPushesEntAndRetDoNothing)
{
    HandMachine hand;
    hand.run({ op(Opcode::ENT), op(Opcode::LDC, 8), op(Opcode::LDC, 0x01020304), op(Opcode::STN),
        op(Opcode::RET), op(Opcode::STP) });
    EXPECT_EQ(hand.stack(), (std::vector<std::uint32_t> { 0x01020304 }));
    EXPECT_EQ(hand.memory.data[8], 0x04);
    EXPECT_EQ(hand.memory.data[11], 0x01);
    EXPECT_EQ(hand.memory.loadWord(8), 0x01020304u);
}

TEST(PcodeMachine, StoresOutsideTheDataAreaAreRefused)
{
    HandMachine hand;
    hand.memory.data.fill(0xAA);
    hand.run({ op(Opcode::LDC, 1020), op(Opcode::LDC, 7), op(Opcode::STO), op(Opcode::LDC, 1021),
        op(Opcode::LDC, 8), op(Opcode::STO), op(Opcode::LDC, 0xFFFFFFFE), op(Opcode::LDC, 9),
        op(Opcode::STN), op(Opcode::STP) });
    EXPECT_EQ(hand.memory.loadWord(1020), 7u);
    EXPECT_EQ(hand.stack(), (std::vector<std::uint32_t> { 9 }));
    EXPECT_EQ(hand.lines, std::vector<std::string>(4, "run error: store outside the data area"));
    for (std::size_t i = 0; i < 1020; ++i) {
        ASSERT_EQ(hand.memory.data[i], 0xAA);
    }
}

TEST(PcodeMachine, AssignmentInParenthesesCanOnlyMissTheDataArea)
{
    ScriptRun run("int x, i; 5000; x = (i = 1);");
    EXPECT_EQ(run["i"], 1u);
    EXPECT_EQ(run.unit.lines,
        (std::vector<std::string> { "Compiling...", "No error", "Run...",
            "run error: store outside the data area", "run error: store outside the data area",
            "OK" }));
}

TEST(PcodeMachine, PushOntoAFullStackEndsTheRun)
{
    // LAB 0; <push>; UJP 0 for ever: the 1025th push ends the run, whatever pushes.
    for (const Instruction pushing :
        { op(Opcode::LDC, 5), op(Opcode::LDA, 0), op(Opcode::LOD, 0), op(Opcode::MST) }) {
        HandMachine hand;
        hand.memory.labels[0] = 0;
        int polls = 0;
        hand.machine.setStopCheck([&] { return ++polls > 10; });
        EXPECT_EQ(hand.run({ op(Opcode::LAB, 0), pushing, op(Opcode::UJP, 0) }), RunEnd::StackFull);
        EXPECT_EQ(hand.machine.stackDepth(), stackSize);
        EXPECT_EQ(hand.machine.executedInstructions(), 3 * (stackSize + 1) - 1);
        EXPECT_EQ(hand.lines, std::vector<std::string>(2, runErrorStackFull));
    }
}

TEST(PcodeMachine, StatementsWhoseValueNothingTakesEndALongLoop)
{
    for (const std::string statement : { "i < 3;", "GETUNICODE(i);", "i;", "5 / 0;" }) {
        ScriptRun run("int i;\r\nWRITE(\"before\");\r\nfor (i = 0; i < 5000; i++) " + statement
                + "\r\nWRITE(\"done\");",
            {}, [](std::uint32_t) -> std::uint16_t { return 0x41; });
        const auto& lines = run.unit.lines;
        ASSERT_GE(lines.size(), 5u) << statement;
        EXPECT_EQ(std::vector<std::string>(lines.end() - 2, lines.end()),
            std::vector<std::string>(2, runErrorStackFull))
            << statement;
        EXPECT_EQ(std::count(lines.begin(), lines.end(), "OK"), 0) << statement;
        EXPECT_EQ(run.output.text(), "before") << statement;
        // Running the whole loop would take 90,000 instructions.
        EXPECT_LT(run.unit.csub.lastRunInstructions(), 20000u) << statement;
    }
}

TEST(PcodeMachine, JumpsGoToTheirLabels)
{
    HandMachine hand;
    hand.memory.labels[7] = 3;
    hand.memory.labels[2] = 6;
    hand.run({ op(Opcode::UJP, 7), op(Opcode::LDC, 1), op(Opcode::STP), op(Opcode::LAB, 7),
        op(Opcode::LDC, 0), op(Opcode::FJP, 2), op(Opcode::LAB, 2), op(Opcode::LDC, 3),
        op(Opcode::FJP, 7), op(Opcode::LDC, 4), op(Opcode::STP) });
    EXPECT_EQ(hand.stack(), (std::vector<std::uint32_t> { 4 }));
}

TEST(PcodeMachine, ServicesAboveSevenDoNothing)
{
    HandMachine hand;
    hand.run({ op(Opcode::MST), op(Opcode::LDC, 1), op(Opcode::CAL, 8), op(Opcode::CAL, 0xFFFFFFFF),
        op(Opcode::STP) });
    EXPECT_EQ(hand.stack(), (std::vector<std::uint32_t> { markValue, 1 }));
}

TEST(PcodeMachine, StpAtTheStartEndsTheRun)
{
    HandMachine hand;
    hand.run({ op(Opcode::STP), op(Opcode::LDC, 1) });
    EXPECT_TRUE(hand.stack().empty());
    EXPECT_EQ(hand.machine.executedInstructions(), 1u);
}

TEST(PcodeMachine, RunningOffTheEndOfTheCodeAreaStops)
{
    HandMachine hand;
    std::vector<Instruction> code(codeAreaSize, op(Opcode::LAB, 0));
    code[0] = op(Opcode::LDC, 6);
    EXPECT_EQ(hand.run(code), RunEnd::Finished);
    EXPECT_EQ(hand.stack(), (std::vector<std::uint32_t> { 6 }));
}

TEST(PcodeMachine, ForExampleRunsItsInstructions)
{
    ScriptRun run("int i; for (i = 0; i < 3; i++) WRITE(\"%d,\", i);");
    EXPECT_EQ(run.output.text(), "0,1,2,");
    EXPECT_EQ(run.unit.lines, executeFrame);
    // 3 before the loop, 19 per pass, the last test (5), LAB 3 and STP.
    EXPECT_EQ(run.unit.csub.lastRunInstructions(), 67u);
    EXPECT_EQ(run.unit.csub.stackDepth(), 0u);
}

TEST(PcodeMachine, WriteTakesItsArgumentsInOrder)
{
    ScriptRun run("int a, b; a = 1; b = 2; WRITE(\"%d-%d\", a, b); WRITE(\"|%d%d%d%d%d%d%d%d\","
                  " 1, 2, 3, 4, 5, 6, 7, 8); WRITE(\"};\\n\");");
    EXPECT_EQ(run.output.text(), "1-2|12345678};\r\n");
    EXPECT_EQ(run.unit.csub.stackDepth(), 0u);
}

TEST(PcodeMachine, WriteArgumentHoldingTheMarkValueIsPrinted)
{
    ScriptRun run("int x; x = 0 - 1; WRITE(\"%d|%x|%d\", x, x, 5); WRITE(\"%d\", 7);");
    EXPECT_EQ(run.output.text(), "-1|ffffffff|57");
    EXPECT_EQ(run.unit.csub.stackDepth(), 0u);
}

TEST(PcodeMachine, WriteFormatNeverReadsPastTheDataArea)
{
    HandMachine hand;
    hand.memory.data.fill('z');
    hand.run({ op(Opcode::MST), op(Opcode::LDC, 1020), op(Opcode::CAL, 0), op(Opcode::MST),
        op(Opcode::LDC, 1024), op(Opcode::CAL, 0), op(Opcode::STP) });
    EXPECT_EQ(hand.output.text(), "zzzz");
    EXPECT_TRUE(hand.stack().empty());
}

TEST(PcodeMachine, PutItemCallsWithTheFlagsOfEachService)
{
    std::vector<std::tuple<std::uint32_t, int, int, int>> calls;
    auto putItem = [&](std::span<std::uint8_t> buffer, std::uint32_t index, std::int32_t zip,
                       std::int32_t bin, std::int32_t col) {
        EXPECT_EQ(buffer.size(), itemBufferSize);
        calls.emplace_back(index, zip, bin, col);
        buffer[0] = static_cast<std::uint8_t>('a' + calls.size() - 1);
        return 1;
    };
    ScriptRun run("int i; i = 7; PUTITEM(i); PUTITEMZIP(i); PUTITEMBIN(i); PUTITEMZIPBIN(i);"
                  "PUTITEMCOL(i); i = 0 - 1; PUTITEMCOLBIN(i);",
        putItem);
    EXPECT_EQ(calls,
        (std::vector<std::tuple<std::uint32_t, int, int, int>> { { 7, 0, 0, 0 }, { 7, 1, 0, 0 },
            { 7, 0, 1, 0 }, { 7, 1, 1, 0 }, { 7, 0, 0, 1 }, { 0xFFFFFFFF, 0, 1, 1 } }));
    EXPECT_EQ(run.output.text(), "abcdef");
    EXPECT_EQ(run.unit.csub.stackDepth(), 0u);
}

TEST(PcodeMachine, PutItemWritesNothingOutsideTheItemBuffer)
{
    std::vector<std::int32_t> counts = { 0, -1, -2147483647 - 1, 3, 200000, 2147483647 };
    std::size_t call = 0;
    auto putItem = [&](std::span<std::uint8_t> buffer, std::uint32_t, std::int32_t, std::int32_t,
                       std::int32_t) {
        std::fill(buffer.begin(), buffer.end(), static_cast<std::uint8_t>('0' + call));
        return counts[call++];
    };
    ScriptRun run("int i; for (i = 0; i < 6; i++) PUTITEM(i);", putItem);
    const std::string text = run.output.text();
    ASSERT_EQ(text.size(), 3 + 2 * itemBufferSize);
    EXPECT_EQ(text.substr(0, 3), "333");
    EXPECT_EQ(text.substr(3, itemBufferSize), std::string(itemBufferSize, '4'));
    EXPECT_EQ(text.substr(3 + itemBufferSize), std::string(itemBufferSize, '5'));
}

TEST(PcodeMachine, GetUnicodeIsWidenedWithZeros)
{
    ScriptRun run("int u, v, i; i = 3; u = GETUNICODE(i); v = GETUNICODE(9);", {},
        [](std::uint32_t index) -> std::uint16_t { return index == 3 ? 0xFFFF : 0x8000; });
    EXPECT_EQ(run["u"], 65535u);
    EXPECT_EQ(run["v"], 0x8000u);
    EXPECT_EQ(run.unit.csub.stackDepth(), 0u);
}

TEST(PcodeMachine, GlyphLoopLeavesTheStackEmpty)
{
    std::vector<std::uint32_t> indexes;
    auto putItem = [&](std::span<std::uint8_t>, std::uint32_t index, std::int32_t, std::int32_t,
                       std::int32_t) {
        indexes.push_back(index);
        return 0;
    };
    ScriptRun run(
        "int i, u; for (i = 0; i < FONT_NUMBER; i++) { u = GETUNICODE(i); PUTITEM(i); }", putItem,
        [](std::uint32_t index) { return static_cast<std::uint16_t>(index); }, 2000);
    EXPECT_EQ(indexes.size(), 2000u);
    EXPECT_EQ(run["u"], 1999u);
    EXPECT_EQ(run.unit.csub.stackDepth(), 0u);
    EXPECT_EQ(run.unit.lines, executeFrame);
    EXPECT_EQ(run.output.text(), "");
}

TEST(PcodeMachine, GetUnicodeStatementLeavesItsValueOnTheStack)
{
    ScriptRun run("int i; GETUNICODE(i); GETUNICODE(i);", {},
        [](std::uint32_t) -> std::uint16_t { return 0x41; });
    EXPECT_EQ(run.unit.csub.stackDepth(), 2u);
}

TEST(PcodeMachine, VariablesKeepTheirValuesFromRunToRun)
{
    RecordingCsub unit;
    MemoryScriptOutput output;
    const std::string script = "int n; n++; WRITE(\"%d \", n);";
    for (int run = 0; run < 3; ++run) {
        unit.csub.CsubExecute(output, script, {}, {}, 0);
    }
    EXPECT_EQ(output.text(), "1 2 3 ");
    // The slot belongs to whatever variable is declared first next time.
    unit.csub.CsubExecute(output, "int other; WRITE(\"%d\", other);", {}, {}, 0);
    EXPECT_EQ(output.text(), "1 2 3 3");

    RecordingCsub fresh;
    MemoryScriptOutput freshOutput;
    fresh.csub.CsubExecute(freshOutput, script, {}, {}, 0);
    EXPECT_EQ(freshOutput.text(), "1 ");
}

TEST(PcodeMachine, StopCheckIsPolledEveryFewThousandInstructions)
{
    RecordingCsub unit;
    int polls = 0;
    unit.csub.setStopCheck([&] { return ++polls == 5; });
    MemoryScriptOutput output;
    const auto result
        = unit.csub.CsubExecute(output, "int i; for (i = 0; i < 3; ) WRITE(\"x\");", {}, {}, 0);
    EXPECT_EQ(result, ExecuteResult::Stopped);
    EXPECT_EQ(polls, 5);
    EXPECT_EQ(unit.csub.lastRunInstructions(), 5u * stopPollInterval - 1);
    EXPECT_GT(output.text().size(), 1000u);
    EXPECT_EQ(output.text(), std::string(output.text().size(), 'x'));
    EXPECT_EQ(unit.lines,
        (std::vector<std::string> { "Compiling...", "No error", "Run...",
            "run error: stopped on request", "run error: stopped on request" }));
}
