#include "formats/BdfReader.h"

#include "FormatTests.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <regex>

namespace tessellon {
namespace {

    using test::glyphRows;
    using test::readText;
    using Rows = std::vector<std::string>;

    std::string replaced(std::string text, const std::string& what, const std::string& with)
    {
        const auto at = text.find(what);
        EXPECT_NE(at, std::string::npos) << what;
        return at == std::string::npos ? text : text.replace(at, what.size(), with);
    }

    // Glyphs below, above and on the baseline, and a proportional advance.
    const std::string offsetsFont = "STARTFONT 2.1\n"
                                    "FONT -test-offsets\n"
                                    "SIZE 6 75 75\n"
                                    "FONTBOUNDINGBOX 4 6 -1 -2\n"
                                    "STARTPROPERTIES 2\n"
                                    "FONT_ASCENT 4\n"
                                    "FONT_DESCENT 2\n"
                                    "ENDPROPERTIES\n"
                                    "CHARS 3\n"
                                    "STARTCHAR low\n"
                                    "ENCODING 97\n"
                                    "DWIDTH 3 0\n"
                                    "BBX 2 2 -1 -2\n"
                                    "BITMAP\n"
                                    "C0\n"
                                    "40\n"
                                    "ENDCHAR\n"
                                    "STARTCHAR high\n"
                                    "ENCODING 98\n"
                                    "DWIDTH 3 0\n"
                                    "BBX 1 2 2 2\n"
                                    "BITMAP\n"
                                    "80\n"
                                    "80\n"
                                    "ENDCHAR\n"
                                    "STARTCHAR space\n"
                                    "ENCODING 32\n"
                                    "DWIDTH 3 0\n"
                                    "BBX 0 0 0 0\n"
                                    "BITMAP\n"
                                    "ENDCHAR\n"
                                    "ENDFONT\n";

    TEST(BdfReader, PlacesEveryBoxInOneCellKeepingTheBaseline)
    {
        const auto read = readText(readBdf, offsetsFont);
        ASSERT_TRUE(read.font.ok()) << read.font.message();
        const FontLib& font = *read.font;
        // The bounding box reaches one pixel left of the origin; the advance ends at 3.
        EXPECT_EQ(font.info.glyphWidth, 4);
        EXPECT_EQ(font.info.glyphHeight, 6);
        EXPECT_EQ(glyphRows(font, 0), (Rows { "0000", "0000", "0000", "0000", "1100", "0100" }));
        EXPECT_EQ(glyphRows(font, 1), (Rows { "0001", "0001", "0000", "0000", "0000", "0000" }));
        EXPECT_EQ(glyphRows(font, 2), (Rows(6, "0000")));
        EXPECT_EQ(font.codeTable, (std::vector<std::uint16_t> { 97, 98, 32 }));
        EXPECT_EQ(font.baseline, 4) << "FONT_ASCENT";
        EXPECT_EQ(read.notes,
            (ReadNotes {
                "The advance width (DWIDTH 3) was dropped: every glyph is 4 pixels wide." }));
    }

    TEST(BdfReader, CellAndOffsetChooseAnotherPlaceAndCutWhatFallsOutside)
    {
        FontFileOptions options;
        options.cell = GlyphSize { 3, 4 };
        options.offset = CellOffset { 0, 0 };
        const auto read = readText(readBdf, offsetsFont, options);
        ASSERT_TRUE(read.font.ok()) << read.font.message();
        EXPECT_EQ(glyphRows(*read.font, 0), (Rows(4, "000")));
        EXPECT_EQ(glyphRows(*read.font, 1), (Rows { "001", "001", "000", "000" }));
        EXPECT_EQ(read.notes.front(), "1 glyph was cut to fit cells of 3 x 4 pixels.");

        options.offset = CellOffset { 2, -1 };
        options.cell = GlyphSize { 5, 5 };
        const auto moved = readText(readBdf, offsetsFont, options);
        ASSERT_TRUE(moved.font.ok()) << moved.font.message();
        EXPECT_EQ(
            glyphRows(*moved.font, 0), (Rows { "00000", "00000", "00000", "01100", "00100" }));
        EXPECT_EQ(
            glyphRows(*moved.font, 1), (Rows { "00001", "00000", "00000", "00000", "00000" }));
        EXPECT_EQ(moved.font->baseline, 3) << "moved up with the offset";
        options.offset = CellOffset { 0, 2 };
        EXPECT_FALSE(readText(readBdf, offsetsFont, options).font->baseline.has_value())
            << "below the cell: unknown";
    }

    TEST(BdfReader, SkipsGlyphsWithoutCodesOrAboveFFFFAndSaysHowMany)
    {
        const std::string glyph = "STARTCHAR g\nENCODING %\nBBX 1 1 0 0\nBITMAP\n80\nENDCHAR\n";
        std::string text = "STARTFONT 2.1\nFONTBOUNDINGBOX 1 1 0 0\nCHARS 5\n";
        for (const char* code : { "65", "-1", "65536", "-1 7", "1114111" }) {
            text += replaced(glyph, "%", code);
        }
        const auto read = readText(readBdf, text + "ENDFONT\n");
        ASSERT_TRUE(read.font.ok()) << read.font.message();
        EXPECT_EQ(read.font->info.glyphCount, 1u);
        EXPECT_EQ(read.notes,
            (ReadNotes { "2 glyphs without a code (ENCODING -1) were skipped.",
                "2 glyphs with codes above FFFF were skipped." }));
    }

    TEST(BdfReader, RepeatedCodesAreKeptWithOneNoteNamingTheFirst)
    {
        const std::string glyph = "STARTCHAR g\nENCODING %\nBBX 1 1 0 0\nBITMAP\n80\nENDCHAR\n";
        std::string text = "STARTFONT 2.1\nFONTBOUNDINGBOX 1 1 0 0\nCHARS 5\n";
        for (const char* code : { "66", "65", "65", "66", "65" }) {
            text += replaced(glyph, "%", code);
        }
        const auto read = readText(readBdf, text + "ENDFONT\n");
        ASSERT_TRUE(read.font.ok()) << read.font.message();
        EXPECT_EQ(read.font->codeTable, (std::vector<std::uint16_t> { 66, 65, 65, 66, 65 }));
        EXPECT_EQ(read.notes,
            (ReadNotes { "3 glyphs have the code of an earlier glyph (the first: 0041); all were "
                         "kept." }));
    }

    TEST(BdfReader, AProportionalFontKeepsItsLeftBearingsAndSaysItsAdvancesWereDropped)
    {
        const std::string text = "STARTFONT 2.1\nFONTBOUNDINGBOX 3 1 1 0\nCHARS 2\n"
                                 "STARTCHAR i\nENCODING 105\nDWIDTH 2 0\nBBX 1 1 1 0\nBITMAP\n80\n"
                                 "ENDCHAR\nSTARTCHAR m\nENCODING 109\nDWIDTH 5 0\nBBX 3 1 1 0\n"
                                 "BITMAP\nE0\nENDCHAR\nENDFONT\n";
        const auto read = readText(readBdf, text);
        ASSERT_TRUE(read.font.ok()) << read.font.message();
        EXPECT_EQ(glyphRows(*read.font, 0), (Rows { "01000" }));
        EXPECT_EQ(glyphRows(*read.font, 1), (Rows { "01110" }));
        EXPECT_EQ(read.notes,
            (ReadNotes { "The font is proportional: its glyphs keep their left bearings, and their "
                         "advance widths (DWIDTH 2 to 5) were dropped, as every glyph of a .pix "
                         "font is 5 pixels wide." }));
    }

    TEST(BdfReader, TakesCommentsBlankLinesCrLfAndAMissingLastNewline)
    {
        std::string text = replaced(offsetsFont, "CHARS 3\n", "COMMENT made by hand\n\nCHARS 3\n");
        text = replaced(text, "STARTFONT 2.1", "STARTFONT 2.2");
        text = std::regex_replace(text, std::regex("\n"), "\r\n");
        text.resize(text.size() - 2);
        const auto read = readText(readBdf, text);
        ASSERT_TRUE(read.font.ok()) << read.font.message();
        EXPECT_EQ(read.font->info.glyphCount, 3u);
    }

    // A valid font of one glyph; each case below damages one line of it.
    const std::string oneGlyph = "STARTFONT 2.1\n" // 1
                                 "FONT -x-\n" // 2
                                 "FONTBOUNDINGBOX 8 3 0 0\n" // 3
                                 "STARTPROPERTIES 1\n" // 4
                                 "FONT_ASCENT 3\n" // 5
                                 "ENDPROPERTIES\n" // 6
                                 "CHARS 1\n" // 7
                                 "STARTCHAR A\n" // 8
                                 "ENCODING 65\n" // 9
                                 "DWIDTH 8 0\n" // 10
                                 "BBX 8 3 0 0\n" // 11
                                 "BITMAP\n" // 12
                                 "FF\n" // 13
                                 "81\n" // 14
                                 "FF\n" // 15
                                 "ENDCHAR\n" // 16
                                 "ENDFONT\n"; // 17

    TEST(BdfReader, MalformedFontsAreRefusedWithTheLineAndTheReason)
    {
        ASSERT_TRUE(readText(readBdf, oneGlyph).font.ok());
        const struct {
            std::string what;
            std::string with;
            std::string message;
        } cases[] = {
            { "CHARS 1", "CHARS 2000000000",
                "line 7: CHARS says 2000000000 glyphs, but the font holds 1" },
            { "BBX 8 3 0 0", "BBX 100000 100000 0 0",
                "line 11: BBX 100000 x 100000 is larger than a glyph can be (256 x 256 pixels)" },
            { "BBX 8 3 0 0", "BBX -8 3 0 0",
                "line 11: BBX -8 x 3 is not a size (it cannot be negative)" },
            { "BBX 8 3 0 0", "BBX 8 3 99999 0",
                "line 11: BBX offsets must be from -32767 to 32767" },
            { "81\n", "", "line 15: glyph 'A' has 2 bitmap rows; its BBX says 3" },
            { "81\n", "811\n",
                "line 14: a bitmap row of glyph 'A' has 3 characters; its BBX width of 8 needs 2 "
                "hex digits" },
            { "81\n", "8G\n", "line 14: 'G' is not a hexadecimal digit" },
            { "81\n", "\xC3\xA9\n", "line 14: the byte 0xC3 is not a hexadecimal digit" },
            { "FF\nENDCHAR", "FF\n00\nENDCHAR",
                "line 16: glyph 'A' has more bitmap rows than its BBX height of 3" },
            { "ENDCHAR\n", "",
                "line 16: ENDCHAR expected after the bitmap of glyph 'A', not 'ENDFONT'" },
            { "ENDFONT\n", "", "line 16: the file ends before ENDFONT" },
            { "FF\nENDCHAR\nENDFONT\n", "",
                "line 14: the file ends inside the bitmap of glyph 'A'" },
            { "FONTBOUNDINGBOX 8 3 0 0\n", "", "line 6: CHARS comes before FONTBOUNDINGBOX" },
            { "FONTBOUNDINGBOX 8 3 0 0", "FONTBOUNDINGBOX 8 3",
                "line 3: FONTBOUNDINGBOX needs four whole numbers (width, height, x and y "
                "offset), not 'FONTBOUNDINGBOX 8 3'" },
            { "FONTBOUNDINGBOX 8 3 0 0", "FONTBOUNDINGBOX 300 3 0 0",
                "the glyphs need cells of 300 x 3 pixels; a font's glyphs are 1 to 256 pixels "
                "wide and high (give another cell size)" },
            { "BBX 8 3 0 0\n", "", "line 11: glyph 'A' has no BBX before BITMAP" },
            { "ENCODING 65", "ENCODING A",
                "line 9: ENCODING needs a character code or -1, not 'ENCODING A'" },
            { "ENCODING 65", "ENCODING -2",
                "line 9: ENCODING needs a character code or -1, not 'ENCODING -2'" },
            { "FONT_ASCENT 3", "FONT_ASCENT 99999",
                "line 5: FONT_ASCENT needs a whole number from -32767 to 32767, not "
                "'FONT_ASCENT 99999'" },
            { "ENDPROPERTIES\n", "", "line 6: ENDPROPERTIES is missing before CHARS" },
            { "STARTCHAR A", "BOGUS\nSTARTCHAR A",
                "line 8: STARTCHAR or ENDFONT expected, not 'BOGUS'" },
            { "BITMAP\nFF\n81\nFF\n", "", "line 12: glyph 'A' has no BITMAP" },
            { "FONT -x-", "FONT " + std::string(70000, 'x'),
                "line 2: the line is longer than 65536 characters" },
            { "STARTFONT 2.1", "STARTFONT 3.0",
                "line 1: not a BDF font: it does not begin with STARTFONT 2.1" },
            { oneGlyph, "", "line 1: not a BDF font: it does not begin with STARTFONT 2.1" },
            { "CHARS 1\nSTARTCHAR A\nENCODING 65\nDWIDTH 8 0\nBBX 8 3 0 0\nBITMAP\nFF\n81\nFF\n"
              "ENDCHAR\n",
                "CHARS 0\n", "the font holds no glyphs" },
            { "ENCODING 65", "ENCODING -1", "the font holds no glyph with a code from 0 to FFFF" },
            { "\nFONT -x-\n", "\rFONT -x-\r",
                "line 1: a carriage return (CR) ends a line here; lines must end in LF or CR LF, "
                "not in CR alone" },
        };
        for (const auto& c : cases) {
            const auto read = readText(readBdf, replaced(oneGlyph, c.what, c.with));
            EXPECT_FALSE(read.font.ok()) << c.message;
            EXPECT_EQ(read.font.message(), c.message) << "replacing " << c.what.substr(0, 40);
        }
    }

    // A source whose bytes change once they have been read.
    class ChangingSource final : public ByteSource {
    public:
        ChangingSource(std::string first, std::string then)
            : m_texts { std::move(first), std::move(then) }
        {
        }
        std::uint64_t size() const override { return m_texts[0].size(); }
        bool readAt(std::uint64_t offset, std::span<std::uint8_t> destination) override
        {
            const std::string& text = m_texts[std::min(m_reads++, 1)];
            std::copy_n(text.begin() + static_cast<std::ptrdiff_t>(offset), destination.size(),
                destination.begin());
            return true;
        }

    private:
        std::string m_texts[2];
        int m_reads = 0;
    };

    TEST(BdfReader, AFileThatChangesWhileItIsReadIsRefused)
    {
        ChangingSource source(oneGlyph, replaced(oneGlyph, "81\n", "8G\n"));
        ReadNotes notes;
        EXPECT_EQ(
            readBdf(source, {}, notes).message(), "line 14: the file changed while it was read");
    }

    std::size_t countOf(const std::string& text, const std::string& word)
    {
        std::size_t count = 0;
        for (auto at = text.find(word); at != std::string::npos; at = text.find(word, at + 1)) {
            ++count;
        }
        return count;
    }

    int bottomInkRow(const FontLib& font, std::uint32_t index)
    {
        int bottom = -1;
        for (int y = 0; y < font.info.glyphHeight; ++y) {
            for (int x = 0; x < font.info.glyphWidth; ++x) {
                bottom = font.pixel(index, x, y) ? y : bottom;
            }
        }
        return bottom;
    }

    std::uint32_t indexOfCode(const FontLib& font, std::uint16_t code)
    {
        const auto& codes = *font.codeTable;
        return static_cast<std::uint32_t>(
            std::find(codes.begin(), codes.end(), code) - codes.begin());
    }

    const char* const dejaVuSansMono = "/usr/share/fonts/truetype/dejavu/DejaVuSansMono.ttf";

    TEST(BdfReader, ReadsWhatOtf2bdfMakesOfDejaVuSansMono)
    {
        if (!test::hasProgram("otf2bdf") || !std::filesystem::exists(dejaVuSansMono)) {
            GTEST_SKIP() << "needs otf2bdf and fonts-dejavu-core (./dev.sh test installs them)";
        }
        test::TempDir dir;
        const std::string bdf = dir.path("dejavu16.bdf");
        // otf2bdf exits with a status other than 0 even when it wrote the font.
        test::runQuietly(std::string("otf2bdf -p 16 -r 72 -o ") + bdf + " " + dejaVuSansMono);
        const std::string text = test::readText(bdf);
        ASSERT_NE(text.find("ENDFONT"), std::string::npos) << "otf2bdf wrote no font";

        ReadNotes notes;
        const Result<FontLib> read = readFontFileAs(bdfFileFormat(), bdf, {}, notes);
        ASSERT_TRUE(read.ok()) << read.message();
        EXPECT_EQ(read->info.glyphCount, countOf(text, "\nSTARTCHAR "));
        for (const std::string& note : notes) {
            EXPECT_EQ(note.find("cut"), std::string::npos) << note;
        }
        // One baseline for all: H, x and the full stop end on it, g and p go below it.
        const FontLib& font = *read;
        const int baseline = bottomInkRow(font, indexOfCode(font, 'H'));
        EXPECT_EQ(bottomInkRow(font, indexOfCode(font, 'x')), baseline);
        EXPECT_EQ(bottomInkRow(font, indexOfCode(font, '.')), baseline);
        EXPECT_GT(bottomInkRow(font, indexOfCode(font, 'g')), baseline);
        EXPECT_GT(bottomInkRow(font, indexOfCode(font, 'p')), baseline);
    }

    // The misc-fixed fonts, from 4 x 6 to 12 x 24 (Latin, Cyrillic, Japanese and more), each
    // in every encoding the package has.
    TEST(BdfReader, ReadsTheMiscFixedFontsThatPcf2bdfGives)
    {
        const std::filesystem::path folder = "/usr/share/fonts/X11/misc";
        if (!test::hasProgram("pcf2bdf") || !std::filesystem::exists(folder / "6x13.pcf.gz")) {
            GTEST_SKIP() << "needs pcf2bdf and xfonts-base (./dev.sh test installs them)";
        }
        test::TempDir dir;
        ASSERT_TRUE(test::runQuietly("for font in " + folder.string()
            + "/[0-9]*x[0-9]*.pcf.gz; do zcat \"$font\" | pcf2bdf -o " + dir.root().string()
            + "/$(basename \"$font\" .pcf.gz).bdf || exit 1; done"));
        const std::regex sizeInName(R"(^(\d+)x(\d+).*\.bdf$)");
        int fonts = 0;
        for (const auto& entry : std::filesystem::directory_iterator(dir.root())) {
            const std::string name = entry.path().filename().string();
            std::smatch size;
            ASSERT_TRUE(std::regex_match(name, size, sizeInName)) << name;
            ReadNotes notes;
            const Result<FontLib> read
                = readFontFileAs(bdfFileFormat(), entry.path().string(), {}, notes);
            ASSERT_TRUE(read.ok()) << read.message();
            EXPECT_EQ(read->info.glyphWidth, std::stoi(size[1])) << name;
            EXPECT_EQ(read->info.glyphHeight, std::stoi(size[2])) << name;
            EXPECT_GT(read->info.glyphCount, 90u) << name;
            EXPECT_TRUE(notes.empty()) << name << ": " << notes.front();
            ++fonts;
        }
        EXPECT_GT(fonts, 100);
    }

} // namespace
} // namespace tessellon
