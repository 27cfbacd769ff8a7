#include "formats/BdfWriter.h"

#include "FormatTests.h"
#include "document/PixReader.h"
#include "document/PixWriter.h"
#include "formats/BdfReader.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace tessellon {
namespace {

    const std::string twoGlyphText = R"(STARTFONT 2.1
FONT -Tessellon-two-Medium-R-Normal--4-40-72-72-C-50-ISO10646-1
SIZE 4 72 72
FONTBOUNDINGBOX 5 4 0 -1
STARTPROPERTIES 16
FOUNDRY "Tessellon"
FAMILY_NAME "two"
WEIGHT_NAME "Medium"
SLANT "R"
SETWIDTH_NAME "Normal"
ADD_STYLE_NAME ""
PIXEL_SIZE 4
POINT_SIZE 40
RESOLUTION_X 72
RESOLUTION_Y 72
SPACING "C"
AVERAGE_WIDTH 50
CHARSET_REGISTRY "ISO10646"
CHARSET_ENCODING "1"
FONT_ASCENT 3
FONT_DESCENT 1
ENDPROPERTIES
CHARS 2
STARTCHAR U+0041
ENCODING 65
SWIDTH 1250 0
DWIDTH 5 0
BBX 5 4 0 -1
BITMAP
88
50
20
F8
ENDCHAR
STARTCHAR U+4E2D
ENCODING 20013
SWIDTH 1250 0
DWIDTH 5 0
BBX 5 4 0 -1
BITMAP
F8
00
00
08
ENDCHAR
ENDFONT
)";

    FontLib twoGlyphs()
    {
        return test::fontFromRows(
            { { "10001", "01010", "00100", "11111" }, { "11111", "00000", "00000", "00001" } },
            { 0x41, 0x4E2D });
    }

    TEST(BdfWriter, TwoGlyphsOf5x4GiveTheirBdfText)
    {
        FontFileOptions options;
        options.ascent = 3;
        const Result<std::string> text = formatBdf(twoGlyphs(), "two", options);
        ASSERT_TRUE(text.ok()) << text.message();
        EXPECT_EQ(*text, twoGlyphText);
    }

    TEST(BdfWriter, AscentIsTheBaselineOrTheGlyphHeightUnlessGivenAndMustFitIt)
    {
        const Result<std::string> text = formatBdf(twoGlyphs(), "two", {});
        ASSERT_TRUE(text.ok());
        EXPECT_NE(text->find("FONTBOUNDINGBOX 5 4 0 0\n"), std::string::npos);
        EXPECT_NE(text->find("FONT_ASCENT 4\nFONT_DESCENT 0\n"), std::string::npos);
        FontLib withBaseline = twoGlyphs();
        withBaseline.baseline = 3;
        const Result<std::string> known = formatBdf(withBaseline, "two", {});
        EXPECT_NE(known->find("FONT_ASCENT 3\nFONT_DESCENT 1\n"), std::string::npos)
            << "a font's baseline is its ascent";
        for (int ascent : { -1, 5 }) {
            FontFileOptions options;
            options.ascent = ascent;
            EXPECT_EQ(formatBdf(twoGlyphs(), "two", options).message(),
                "an ascent of " + std::to_string(ascent)
                    + " rows does not fit glyphs 4 rows high (it must be 0 to 4)");
        }
        EXPECT_EQ(formatBdf(test::numberedFont(5, 4, 0), "none", {}).message(),
            "the font has no glyphs to write");
    }

    TEST(BdfWriter, TheFamilyComesFromTheFileNameWithoutWhatXlfdNamesCannotHold)
    {
        EXPECT_EQ(bdfFamilyFor("/fonts/Clean 8x16.bdf"), "Clean 8x16");
        EXPECT_EQ(bdfFamilyFor("dir/my-font*v2?,\"x\".bdf"), "my_font_v2___x_");
        EXPECT_EQ(bdfFamilyFor("caf\xC3\xA9.bdf"), "caf__");
        EXPECT_EQ(bdfFamilyFor("/fonts/.bdf"), ".bdf");
        EXPECT_EQ(bdfFamilyFor("/fonts/"), "Tessellon");
    }

    TEST(BdfWriter, ExportNamesEndInBdf)
    {
        EXPECT_EQ(withBdfExtension("font"), "font.bdf");
        EXPECT_EQ(withBdfExtension("font.pix"), "font.pix.bdf");
        EXPECT_EQ(withBdfExtension("dir.bdf/FONT.BDF"), "dir.bdf/FONT.BDF");
        EXPECT_EQ(withBdfExtension("dir.bdf/font"), "dir.bdf/font.bdf");
    }

    // Saved as .pix, written as BDF, read back and saved as .pix again: the same file, the
    // baseline included.
    TEST(BdfWriter, PixToBdfToPixGivesTheSameFontForEveryWidth)
    {
        test::TempDir dir;
        for (int width : { 1, 7, 8, 9, 16, 17 }) {
            for (bool withCodes : { true, false }) {
                const int height = width % 5 + 3;
                const std::string pix = dir.path("in.pix");
                FontLib font = test::numberedFont(width, height, 70, withCodes);
                font.baseline = height - 1; // FONT_ASCENT in the BDF, and back
                ASSERT_TRUE(writePixFile(pix, font));
                const Result<FontLib> original = readPixFile(pix);
                ASSERT_TRUE(original.ok());
                const std::string bdf = dir.path("font.bdf");
                ASSERT_TRUE(writeFontFileAs(bdfFileFormat(), bdf, *original, {}));
                ReadNotes notes;
                const Result<FontLib> back = readFontFileAs(bdfFileFormat(), bdf, {}, notes);
                ASSERT_TRUE(back.ok()) << back.message();
                EXPECT_TRUE(notes.empty()) << notes.front();
                ASSERT_TRUE(writePixFile(dir.path("out.pix"), *back));
                EXPECT_EQ(test::readBytes(dir.path("out.pix")), test::readBytes(pix))
                    << width << " x " << height << (withCodes ? " with codes" : " without codes");
            }
        }
    }

    TEST(BdfWriter, EveryBdfItWritesIsAcceptedByBdftopcf)
    {
        if (!test::hasProgram("bdftopcf")) {
            GTEST_SKIP() << "needs bdftopcf from xfonts-utils (./dev.sh test installs it)";
        }
        test::TempDir dir;
        for (int width : { 1, 7, 8, 9, 16, 17, 256 }) {
            for (bool withCodes : { true, false }) {
                const std::string bdf = dir.path("font.bdf");
                const FontLib font = test::numberedFont(width, 12, 40, withCodes);
                ASSERT_TRUE(writeFontFileAs(bdfFileFormat(), bdf, font, {}));
                EXPECT_TRUE(test::runQuietly("bdftopcf -o " + dir.path("font.pcf") + " " + bdf))
                    << width << (withCodes ? " with codes" : " without codes");
            }
        }
    }

    TEST(BdfWriter, ThePcfThatBdftopcfMakesGivesTheSameGlyphsBackThroughPcf2bdf)
    {
        if (!test::hasProgram("bdftopcf") || !test::hasProgram("pcf2bdf")) {
            GTEST_SKIP() << "needs bdftopcf and pcf2bdf (./dev.sh test installs them)";
        }
        test::TempDir dir;
        const FontLib font = test::numberedFont(9, 13, 100);
        ASSERT_TRUE(writeFontFileAs(bdfFileFormat(), dir.path("a.bdf"), font, {}));
        ASSERT_TRUE(test::runQuietly("bdftopcf -o " + dir.path("a.pcf") + " " + dir.path("a.bdf")));
        ASSERT_TRUE(test::runQuietly("pcf2bdf -o " + dir.path("b.bdf") + " " + dir.path("a.pcf")));
        ReadNotes notes;
        const Result<FontLib> back = readFontFileAs(bdfFileFormat(), dir.path("b.bdf"), {}, notes);
        ASSERT_TRUE(back.ok()) << back.message();
        // The PCF keeps glyphs in code order; the font's codes already are.
        EXPECT_EQ(back->pixelData, font.pixelData);
        EXPECT_EQ(back->codeTable, font.codeTable);
    }

} // namespace
} // namespace tessellon
