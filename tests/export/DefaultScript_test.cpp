#include "export/DefaultScript.h"

#include <gtest/gtest.h>

using namespace tessellon;

TEST(DefaultScript, HasTwentyLinesWithLinesThreeAndTwelveOneSpace)
{
    const auto& lines = defaultScript();
    ASSERT_EQ(lines.size(), 20u);
    EXPECT_EQ(lines[2], " ");
    EXPECT_EQ(lines[11], " ");
}

TEST(DefaultScript, LinesAreExact)
{
    const auto& lines = defaultScript();
    ASSERT_EQ(lines.size(), 20u);
    EXPECT_EQ(lines[0], "int i,unicode;");
    EXPECT_EQ(lines[1], "WRITE(\"#include \\\"fontlib.h\\\"\\n\");");
    EXPECT_EQ(lines[3], "/*write font pixel array into the final file*/");
    EXPECT_EQ(lines[4], "for(i=0;i<FONT_NUMBER;i++)");
    EXPECT_EQ(lines[5], "{");
    EXPECT_EQ(lines[6], "  unicode=GETUNICODE(i);");
    EXPECT_EQ(lines[7], "  WRITE(\"const unsigned char uc2_%04x[] = {\",unicode);");
    EXPECT_EQ(lines[8], "  PUTITEM(i);");
    EXPECT_EQ(lines[9], "  WRITE(\"};\\n\");");
    EXPECT_EQ(lines[10], "}");
    EXPECT_EQ(lines[12], "/*write the index table into the final file*/");
    EXPECT_EQ(lines[13], "WRITE(\"const unsigned char* zk_table[] = {\\n\");");
    EXPECT_EQ(lines[14], "for(i=0;i<FONT_NUMBER;i++)");
    EXPECT_EQ(lines[15], "{");
    EXPECT_EQ(lines[16], "  unicode=GETUNICODE(i);");
    EXPECT_EQ(lines[17], "  WRITE(\"uc2_%04x,\\n\",unicode);");
    EXPECT_EQ(lines[18], "}");
    EXPECT_EQ(lines[19], "WRITE(\"};\\n\");");
}
