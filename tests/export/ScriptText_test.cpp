#include "export/ScriptText.h"

#include <gtest/gtest.h>

using namespace tessellon;
using Lines = std::vector<std::string>;

TEST(ScriptText, EveryKindOfLineEndEndsALine)
{
    EXPECT_EQ(splitScriptLines("a\r\nb\nc\rd"), (Lines { "a", "b", "c", "d" }));
}

TEST(ScriptText, LineEndAtTheVeryEndAddsNoEmptyLine)
{
    EXPECT_EQ(splitScriptLines("a\r\nb\r\n"), (Lines { "a", "b" }));
    EXPECT_EQ(splitScriptLines("a\n"), (Lines { "a" }));
    EXPECT_EQ(splitScriptLines("a\r"), (Lines { "a" }));
}

TEST(ScriptText, EmptyLinesInsideAreKept)
{
    EXPECT_EQ(splitScriptLines("a\n\nb"), (Lines { "a", "", "b" }));
    EXPECT_EQ(splitScriptLines("a\r\rb"), (Lines { "a", "", "b" }));
    EXPECT_EQ(splitScriptLines("a\n\r\nb"), (Lines { "a", "", "b" }));
    EXPECT_EQ(splitScriptLines("a\r\n\r\n"), (Lines { "a", "" }));
    EXPECT_EQ(splitScriptLines("\n"), (Lines { "" }));
}

TEST(ScriptText, LfCrIsTwoLineEnds)
{
    EXPECT_EQ(splitScriptLines("a\n\rb"), (Lines { "a", "", "b" }));
}

TEST(ScriptText, EmptyTextHasNoLines)
{
    EXPECT_TRUE(splitScriptLines("").empty());
    EXPECT_EQ(joinScriptLines({}), "");
}

TEST(ScriptText, BytesAbove0x7FAndSpacesAreKept)
{
    EXPECT_EQ(splitScriptLines(" \xB0\xA1 \n\t"), (Lines { " \xB0\xA1 ", "\t" }));
}

TEST(ScriptText, JoinUsesCrLfWithNoneAfterTheLast)
{
    EXPECT_EQ(joinScriptLines({ "a", " ", "", "b" }), "a\r\n \r\n\r\nb");
    EXPECT_EQ(joinScriptLines({ "" }), "");
}

TEST(ScriptText, NormalizeTurnsAnyLineEndsIntoTheEditorsText)
{
    EXPECT_EQ(normalizeScriptText("int i;\nWRITE(\"x\");\n"), "int i;\r\nWRITE(\"x\");");
    EXPECT_EQ(normalizeScriptText("a\rb\r\n"), "a\r\nb");
}
