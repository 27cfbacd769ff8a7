#include "export/DefaultScript.h"

namespace tessellon {

const std::vector<std::string>& defaultScript()
{
    static const std::vector<std::string> lines {
        R"(int i,unicode;)",
        R"(WRITE("#include \"fontlib.h\"\n");)",
        R"( )",
        R"(/*write font pixel array into the final file*/)",
        R"(for(i=0;i<FONT_NUMBER;i++))",
        R"({)",
        R"(  unicode=GETUNICODE(i);)",
        R"(  WRITE("const unsigned char uc2_%04x[] = {",unicode);)",
        R"(  PUTITEM(i);)",
        R"(  WRITE("};\n");)",
        R"(})",
        R"( )",
        R"(/*write the index table into the final file*/)",
        R"(WRITE("const unsigned char* zk_table[] = {\n");)",
        R"(for(i=0;i<FONT_NUMBER;i++))",
        R"({)",
        R"(  unicode=GETUNICODE(i);)",
        R"(  WRITE("uc2_%04x,\n",unicode);)",
        R"(})",
        R"(WRITE("};\n");)",
    };
    return lines;
}

} // namespace tessellon
