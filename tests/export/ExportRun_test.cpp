#include "export/DefaultScript.h"
#include "export/EmitGlyph.h"
#include "export/ExportRun.h"
#include "export/ScriptText.h"

#include "ExportFonts.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

using namespace tessellon;
using Lines = std::vector<std::string>;

namespace {

struct Export {
    Result<ExecuteResult> result = failure("not run");
    Lines lines;
    std::uint64_t instructions = 0;
};

Export runScript(const FontLib& font, const std::string& outputPath, const std::string& script,
    std::function<bool()> stopCheck = {})
{
    Export run;
    Csub csub([&run](const std::string& line) { run.lines.push_back(line); });
    if (stopCheck) {
        csub.setStopCheck(std::move(stopCheck));
    }
    const ExportSource source = makeExportSource(outputPath, font);
    run.result = runExportScript(csub, source, script);
    run.instructions = csub.lastRunInstructions();
    return run;
}

bool hasRunError(const Lines& lines)
{
    return std::any_of(lines.begin(), lines.end(),
        [](const std::string& line) { return line.rfind("run error", 0) == 0; });
}

const Lines ranLines { "Compiling...", "No error", "Run...", "OK" };

} // namespace

TEST(ExportRun, DefaultScriptOnTwoGlyphsGivesSevenCrLfLines)
{
    test::TempDir dir;
    const std::string out = dir.path("font.c");
    const Export run = runScript(test::twoGlyphFont(), out, joinScriptLines(defaultScript()));
    EXPECT_TRUE(test::endedAs(run.result, ExecuteResult::Ran));
    EXPECT_EQ(run.lines, ranLines);
    EXPECT_EQ(test::readText(out), test::twoGlyphDefaultOutput);
}

TEST(ExportRun, SixBuiltInsOnTheElevenByThreeGlyph)
{
    test::TempDir dir;
    const std::string out = dir.path("items");
    const std::string script = "int i;\r\ni=0;\r\n"
                               "PUTITEM(i);WRITE(\"|\");PUTITEMZIP(i);WRITE(\"|\");\r\n"
                               "PUTITEMCOL(i);WRITE(\"|\");PUTITEMBIN(i);\r\n"
                               "PUTITEMZIPBIN(i);PUTITEMCOLBIN(i);";
    const Export run = runScript(test::elevenByThreeFont(0x41), out, script);
    EXPECT_TRUE(test::endedAs(run.result, ExecuteResult::Ran));
    const std::string expected = "0x81,0xa0,0x42,0x60,0xff,0xe0,|0x81,0x42,0xff,0xa6,0xe0,|"
                                 "0x05,0x06,0x04,0x04,0x04,0x04,0x06,0x05,0x05,0x06,0x07,|"
                                 "\x81\xA0\x42\x60\xFF\xE0"
                                 "\x81\x42\xFF\xA6\xE0"
                                 "\x05\x06\x04\x04\x04\x04\x06\x05\x05\x06\x07";
    EXPECT_EQ(test::readText(out), expected);
}

TEST(ExportRun, GetUnicodeOfFFFFIs65535)
{
    test::TempDir dir;
    const std::string out = dir.path("code.txt");
    const Export run = runScript(test::elevenByThreeFont(0xFFFF), out,
        "int i,c;\r\ni=0;\r\nc=GETUNICODE(i);\r\nWRITE(\"%d %x\",c,c);");
    EXPECT_TRUE(test::endedAs(run.result, ExecuteResult::Ran));
    EXPECT_EQ(test::readText(out), "65535 ffff");
}

TEST(ExportRun, IndexOutsideTheFontWritesNothingInEveryLayout)
{
    test::TempDir dir;
    const std::string out = dir.path("none.c");
    const Export run = runScript(test::twoGlyphFont(), out,
        "int i,c;\r\ni=FONT_NUMBER;\r\nPUTITEM(i);PUTITEMZIP(i);PUTITEMBIN(i);\r\n"
        "PUTITEMZIPBIN(i);PUTITEMCOL(i);PUTITEMCOLBIN(i);\r\n"
        "c=GETUNICODE(i);\r\nWRITE(\"%d\",c);");
    EXPECT_TRUE(test::endedAs(run.result, ExecuteResult::Ran));
    EXPECT_EQ(test::readText(out), "0");
}

TEST(ExportRun, FontWithoutCodeTableNamesArraysByIndex)
{
    test::TempDir dir;
    const std::string out = dir.path("font.c");
    FontLib font = test::twoGlyphFont();
    font.codeTable.reset();
    font.info.codeTableFlag = 0;
    const Export run = runScript(font, out, joinScriptLines(defaultScript()));
    EXPECT_TRUE(test::endedAs(run.result, ExecuteResult::Ran));
    const std::string text = test::readText(out);
    EXPECT_NE(text.find("uc2_0000[] = {0x18,0x24,};"), std::string::npos) << text;
    EXPECT_NE(text.find("uc2_0001[] = {0x3c,0x42,};"), std::string::npos) << text;
}

TEST(ExportRun, CompileErrorLeavesAnEmptyOutputFile)
{
    test::TempDir dir;
    const std::string out = dir.path("font.c");
    test::writeBytes(out, { 'o', 'l', 'd' });
    const Export run = runScript(test::twoGlyphFont(), out, "WRITE(\"a\");\r\nx = 1;");
    EXPECT_TRUE(test::endedAs(run.result, ExecuteResult::CompileError));
    ASSERT_EQ(run.lines.size(), 2u);
    EXPECT_EQ(run.lines[0], "Compiling...");
    EXPECT_EQ(run.lines[1], "Line 2: [E14] Unknow symple \"x\"");
    ASSERT_TRUE(std::filesystem::exists(out));
    EXPECT_EQ(std::filesystem::file_size(out), 0u);
}

TEST(ExportRun, EmptyScriptWritesNoByte)
{
    test::TempDir dir;
    const std::string out = dir.path("font.c");
    const Export run = runScript(test::twoGlyphFont(), out, "");
    EXPECT_TRUE(test::endedAs(run.result, ExecuteResult::Ran));
    EXPECT_EQ(run.lines, ranLines);
    EXPECT_EQ(std::filesystem::file_size(out), 0u);
}

TEST(ExportRun, SecondRunReplacesTheFirstCompletely)
{
    test::TempDir dir;
    const std::string out = dir.path("font");
    runScript(test::twoGlyphFont(), out, joinScriptLines(defaultScript()));
    const Export second = runScript(test::twoGlyphFont(), out, "WRITE(\"short\");");
    EXPECT_TRUE(test::endedAs(second.result, ExecuteResult::Ran));
    EXPECT_EQ(test::readText(out), "short");
    EXPECT_FALSE(std::filesystem::exists(dir.path("font.c")));
}

TEST(ExportRun, OutputThatCannotBeCreatedRunsNothing)
{
    test::TempDir dir;
    const std::string out = dir.path("missing/font.c");
    const Export run = runScript(test::twoGlyphFont(), out, joinScriptLines(defaultScript()));
    EXPECT_EQ(run.result.message(), "Cannot create file " + out + ": No such file or directory");
    EXPECT_TRUE(run.lines.empty());
}

TEST(ExportRun, FullDiskEndsTheRunWithoutOk)
{
    if (!std::filesystem::exists("/dev/full")) {
        GTEST_SKIP() << "no /dev/full here";
    }
    const Export run = runScript(test::twoGlyphFont(), "/dev/full",
        "int i;\r\nfor(i=0;i<100000;i++) WRITE(\"0123456789\");");
    EXPECT_EQ(run.result.message(), "Cannot write file /dev/full: No space left on device");
    EXPECT_TRUE(hasRunError(run.lines));
    EXPECT_EQ(std::count(run.lines.begin(), run.lines.end(), "OK"), 0);
}

TEST(ExportRun, StopCheckEndsAScriptThatNeverEnds)
{
    test::TempDir dir;
    const std::string out = dir.path("endless.c");
    int polls = 0;
    const Export run = runScript(test::twoGlyphFont(), out,
        "int i;\r\nfor(i=0;0<1;i++) WRITE(\"x\");", [&polls] { return ++polls > 3; });
    EXPECT_TRUE(test::endedAs(run.result, ExecuteResult::Stopped));
    EXPECT_TRUE(hasRunError(run.lines));
    EXPECT_EQ(std::count(run.lines.begin(), run.lines.end(), "OK"), 0);
    const std::string text = test::readText(out);
    EXPECT_FALSE(text.empty());
    EXPECT_EQ(text.find_first_not_of('x'), std::string::npos);
}

TEST(ExportRun, LargestGlyphsFitTheScriptItemBuffer)
{
    FontLibInfo info;
    info.glyphWidth = maxGlyphSide;
    info.glyphHeight = maxGlyphSide;
    EXPECT_LE(longestItemLength(info), itemBufferSize);
}

TEST(ExportRun, StatementsWhoseValueNothingTakesEndALongLoopAtOnce)
{
    const std::string stackFull = runErrorStackFull;
    const FontLib five = FontLib::blank(8, 2, 5, true);
    const FontLib fiveThousand = FontLib::blank(8, 2, 5000, true);
    for (const FontLib* font : { &five, &fiveThousand }) {
        for (const std::string statement : { "i < 3;", "GETUNICODE(i);" }) {
            test::TempDir dir;
            const std::string out = dir.path("font.c");
            const Export run = runScript(*font, out,
                "int i;\r\nWRITE(\"before\");\r\nfor (i = 0; i < 5000; i++) " + statement
                    + "\r\nWRITE(\"done\");");
            const std::string glyphs = std::to_string(font->info.glyphCount) + " glyphs, ";
            EXPECT_TRUE(test::endedAs(run.result, ExecuteResult::StackFull)) << glyphs << statement;
            EXPECT_EQ(
                run.lines, (Lines { "Compiling...", "No error", "Run...", stackFull, stackFull }))
                << glyphs << statement;
            EXPECT_EQ(test::readText(out), "before") << glyphs << statement;
            // The whole loop would take 90,000 instructions.
            EXPECT_LT(run.instructions, 20000u) << glyphs << statement;
        }
    }
}
