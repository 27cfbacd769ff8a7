#include "export/DefaultScript.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace tessellon;

// Twenty exact lines; lines 3 and 12 hold one space.
TEST(DefaultScript, LinesAreExact)
{
    const std::vector<std::string> expected {
        "int i,unicode;",
        "WRITE(\"#include \\\"fontlib.h\\\"\\n\");",
        " ",
        "/*write font pixel array into the final file*/",
        "for(i=0;i<FONT_NUMBER;i++)",
        "{",
        "  unicode=GETUNICODE(i);",
        "  WRITE(\"const unsigned char uc2_%04x[] = {\",unicode);",
        "  PUTITEM(i);",
        "  WRITE(\"};\\n\");",
        "}",
        " ",
        "/*write the index table into the final file*/",
        "WRITE(\"const unsigned char* zk_table[] = {\\n\");",
        "for(i=0;i<FONT_NUMBER;i++)",
        "{",
        "  unicode=GETUNICODE(i);",
        "  WRITE(\"uc2_%04x,\\n\",unicode);",
        "}",
        "WRITE(\"};\\n\");",
    };
    EXPECT_EQ(defaultScript(), expected);
}
