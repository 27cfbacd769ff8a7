#include "export/DefaultScript.h"
#include "export/ExportRun.h"
#include "export/ScriptFile.h"
#include "export/ScriptText.h"

#include "ExportFonts.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

using namespace tessellon;

namespace {

std::string examplePath(const std::string& name) { return std::string(SCRIPTS_DIR) + "/" + name; }

// Runs an example script file over font into path and returns the file's text.
std::string exportWith(const std::string& scriptName, const FontLib& font, const std::string& path)
{
    const Result<std::vector<std::string>> script = readScriptFile(examplePath(scriptName));
    if (!script) {
        ADD_FAILURE() << script.message();
        return {};
    }
    Csub csub;
    const ExportSource source = makeExportSource(path, font);
    EXPECT_TRUE(
        test::endedAs(runExportScript(csub, source, joinScriptLines(*script)), ExecuteResult::Ran))
        << scriptName;
    return test::readText(path);
}

// Two 11 x 3 glyphs: rows 10000001101, 01000010011, 11111111111, and a blank one.
FontLib elevenByThreePair()
{
    return test::fontFromRows({ { "10000001101", "01000010011", "11111111111" },
                                  { "00000000000", "00000000000", "00000000000" } },
        { 0x0041, 0x0042 });
}

bool haveCCompiler() { return std::system("cc --version >/dev/null 2>&1") == 0; }

// Compiles a generated file as C with every warning an error.
bool compilesAsC(const test::TempDir& dir, const std::string& generated)
{
    const std::string unit = dir.path("unit.c");
    std::ofstream(unit) << "#include \"" << generated << "\"\n";
    const std::string command = "cc -std=c99 -Wall -Werror -c -o " + dir.path("unit.o") + " " + unit
        + " 2>" + dir.path("cc.log");
    return std::system(command.c_str()) == 0;
}

} // namespace

TEST(ExampleScripts, DefaultFileHoldsTheDefaultScriptWithCrLf)
{
    const std::string text = test::readText(examplePath("default.spt"));
    EXPECT_EQ(text, joinScriptLines(defaultScript()));
}

TEST(ExampleScripts, DefaultOnTwoGlyphs)
{
    test::TempDir dir;
    EXPECT_EQ(exportWith("default.spt", test::twoGlyphFont(), dir.path("font.c")),
        test::twoGlyphDefaultOutput);
}

TEST(ExampleScripts, OledPagesOnTwoGlyphs)
{
    test::TempDir dir;
    const std::string expected
        = "/* Column pages: one byte per pixel column, bit 0 = top row of the page */\r\n"
          "#include <stdint.h>\r\n"
          "\r\n"
          "static const uint8_t oled_glyph_0[] = {0x00,0x00,0x02,0x01,0x01,0x02,0x00,0x00,}; "
          "/* 0x004a */\r\n"
          "static const uint8_t oled_glyph_1[] = {0x00,0x02,0x01,0x01,0x01,0x01,0x02,0x00,}; "
          "/* 0x004b */\r\n"
          "\r\n"
          "const uint16_t oled_font_count = 2;\r\n"
          "const uint16_t oled_font_codes[] = {\r\n"
          "0x004a,\r\n"
          "0x004b,\r\n"
          "};\r\n"
          "const uint8_t* const oled_font_glyphs[] = {\r\n"
          "oled_glyph_0,\r\n"
          "oled_glyph_1,\r\n"
          "};\r\n";
    EXPECT_EQ(exportWith("oled_pages.spt", test::twoGlyphFont(), dir.path("oled.h")), expected);
}

TEST(ExampleScripts, OledPagesOfATenRowGlyphHaveTwoPages)
{
    test::TempDir dir;
    const FontLib font = test::fontFromRows(
        { { "10", "00", "00", "00", "00", "00", "00", "01", "11", "01" } }, { 0x31 });
    const std::string text = exportWith("oled_pages.spt", font, dir.path("oled.h"));
    EXPECT_NE(text.find("oled_glyph_0[] = {0x01,0x80,0x01,0x03,};"), std::string::npos) << text;
}

TEST(ExampleScripts, PackedBlobWithOffsetTable)
{
    test::TempDir dir;
    const std::string expected = "/* Packed glyphs in one blob, with code and offset tables */\r\n"
                                 "#define FONT_GLYPHS 2\r\n"
                                 "\r\n"
                                 "const unsigned char font_blob[] = {\r\n"
                                 "0x81,0x42,0xff,0xa6,0xe0,\r\n"
                                 "0x00,0x00,0x00,0x00,0x00,\r\n"
                                 "};\r\n"
                                 "\r\n"
                                 "#define FONT_GLYPH_BYTES (sizeof font_blob / FONT_GLYPHS)\r\n"
                                 "\r\n"
                                 "const unsigned short font_codes[FONT_GLYPHS] = {\r\n"
                                 "0x0041,\r\n"
                                 "0x0042,\r\n"
                                 "};\r\n"
                                 "const unsigned long font_offsets[FONT_GLYPHS] = {\r\n"
                                 "0 * FONT_GLYPH_BYTES,\r\n"
                                 "1 * FONT_GLYPH_BYTES,\r\n"
                                 "};\r\n";
    EXPECT_EQ(exportWith("packed_blob.spt", elevenByThreePair(), dir.path("blob.c")), expected);
}

TEST(ExampleScripts, OutputsCompileAsC)
{
    if (!haveCCompiler()) {
        GTEST_SKIP() << "no C compiler (cc) here";
    }
    test::TempDir dir;
    const FontLib font = elevenByThreePair();
    for (const char* name : { "oled_pages.spt", "packed_blob.spt" }) {
        exportWith(name, font, dir.path("generated.h"));
        EXPECT_TRUE(compilesAsC(dir, dir.path("generated.h")))
            << name << ":\n"
            << test::readText(dir.path("cc.log"));
    }
}
