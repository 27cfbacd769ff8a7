// Making a font ready for a target: the glyphs it keeps in code order, their runs, the
// names and the limits the formats set, and the size report.
#include "export/CIdentifier.h"
#include "export/ExportTarget.h"
#include "export/TargetExport.h"
#include "export/TargetFont.h"

#include "FontBuilders.h"

#include <gtest/gtest.h>

using namespace tessellon;

namespace {

using Codes = std::vector<std::uint16_t>;
using Places = std::vector<std::uint32_t>;

FontLib fontWithCodes(const Codes& codes, int width = 4, int height = 4)
{
    FontLib font = FontLib::blank(width, height, static_cast<std::uint32_t>(codes.size()), true);
    *font.codeTable = codes;
    return font;
}

Codes range(std::uint16_t first, std::uint16_t count)
{
    Codes codes;
    for (std::uint16_t k = 0; k < count; ++k) {
        codes.push_back(static_cast<std::uint16_t>(first + k));
    }
    return codes;
}

Codes joined(std::initializer_list<Codes> parts)
{
    Codes codes;
    for (const Codes& part : parts) {
        codes.insert(codes.end(), part.begin(), part.end());
    }
    return codes;
}

TEST(CodeOrder, KeepsTheFirstGlyphOfEachCodeInCodeOrder)
{
    const FontLib font = fontWithCodes({ 0x43, 0x41, 0x00, 0x43, 0x42 });
    const CodeOrder all = codeOrder(font, true);
    EXPECT_EQ(all.codes, (Codes { 0x00, 0x41, 0x42, 0x43 }));
    EXPECT_EQ(all.glyphs, (Places { 2, 1, 4, 0 }));
    EXPECT_EQ(all.dropped, 1u);
    const CodeOrder withoutZero = codeOrder(font, false);
    EXPECT_EQ(withoutZero.glyphs, (Places { 1, 4, 0 }));
    EXPECT_EQ(withoutZero.dropped, 2u);
    FontLib codeless = font;
    codeless.codeTable.reset();
    EXPECT_EQ(codeOrder(codeless, true).codes, (Codes { 0, 1, 2, 3, 4 }));
}

TEST(CodeRuns, GroupCodesAsEachFormatHoldsThem)
{
    struct Case {
        const char* what;
        Codes codes;
        RunRule rule;
        Places starts;
    };
    const Case cases[] = {
        { "below 0x100: one run, gaps and all", { 0x20, 0x41, 0xFF }, RunRule::Gfx, { 0 } },
        { "the first page apart, then gaps over 2", { 0x41, 0x100, 0x103, 0x107, 0x108 },
            RunRule::Gfx, { 0, 1, 3 } },
        { "one range", range(0x20, 95), RunRule::Lvgl, { 0 } },
        { "scattered codes share a sparse map", { 1, 5, 9, 300 }, RunRule::Lvgl, { 0 } },
        { "a range between sparse maps", joined({ { 3, 7 }, range(0x20, 10), { 0x40, 0x50 } }),
            RunRule::Lvgl, { 0, 2, 12 } },
        { "a sparse map spans at most 65,535 codes", { 0, 0xFFFF }, RunRule::Lvgl, { 0, 1 } },
        { "one run for the others", { 1, 0x4000, 0xFFFF }, RunRule::Whole, { 0 } },
    };
    for (const Case& c : cases) {
        EXPECT_EQ(codeRuns(c.codes, c.rule), c.starts) << c.what;
    }
}

struct Refusal {
    const char* what;
    FontLib font;
    const char* target;
    ExportChoices choices;
    const char* message; // a part of it
};

ExportChoices named(const std::string& name)
{
    ExportChoices choices;
    choices.name = name;
    return choices;
}

ExportChoices withBaseline(int rows)
{
    ExportChoices choices;
    choices.baseline = rows;
    return choices;
}

FontLib inkAt(FontLib font, int x, int y)
{
    font.setPixel(0, x, y);
    return font;
}

TEST(TargetLimits, AFontATargetCannotHoldIsRefusedWithTheLimit)
{
    const Refusal cases[] = {
        { "a baseline below the cell", fontWithCodes({ 0x41 }, 8, 16), "gfx", withBaseline(17),
            "must be 0 to 16" },
        { "no C identifier", fontWithCodes({ 0x41 }), "rows", named("8bit"),
            "'8bit' is not a C identifier" },
        { "a keyword", fontWithCodes({ 0x41 }), "rows", named("static"), "keyword" },
        { "GFX bitmaps over 64 KiB", fontWithCodes(range(0x100, 400), 40, 40), "gfx", {},
            "need 80,000 bytes of bitmaps; a GFXfont holds at most 65,535" },
        { "GFX's 8-bit xAdvance", inkAt(fontWithCodes({ 0x41 }, 256, 8), 0, 0), "gfx", {},
            "xAdvance holds (0 to 255)" },
        { "GFX's yOffset", inkAt(fontWithCodes({ 0x41 }, 8, 200), 0, 0), "gfx", {},
            "needs yOffset -200; Adafruit GFX holds -128 to 127" },
        { "LVGL's ofs_x", inkAt(fontWithCodes({ 0x41 }, 200, 8), 150, 0), "lvgl", {},
            "needs ofs_x 150; LVGL holds -128 to 127" },
        { "nothing but code 0 for LVGL", fontWithCodes({ 0 }), "lvgl", {}, "no glyphs" },
        { "u8g2's signed advance", inkAt(fontWithCodes({ 0x41 }, 128, 2), 0, 0), "u8g2", {},
            "advances the pen by 128 pixels; u8g2 holds advances from -128 to 127" },
    };
    for (const Refusal& c : cases) {
        FontLib font = c.font;
        if (std::string(c.what) == "GFX bitmaps over 64 KiB") {
            for (std::uint32_t g = 0; g < font.info.glyphCount; ++g) {
                font.setPixel(g, 0, 0);
                font.setPixel(g, 39, 39); // 1,600 pixels: 200 bytes a glyph
            }
        }
        const Result<TargetFont> made
            = prepareTargetFont(font, *exportTargetNamed(c.target), c.choices, "out/font.c");
        ASSERT_FALSE(made.ok()) << c.what;
        EXPECT_NE(made.message().find(c.message), std::string::npos)
            << c.what << ": " << made.message();
    }
}

TEST(TargetFont, SettlesTheNameAndBaselineAndMeasures)
{
    FontLib font = test::fontFromRows(
        { { "0000", "0110", "0100", "0000" }, { "0000", "0000", "0000", "0000" } }, { 0x41, 0x20 });
    font.baseline = 3;
    ExportChoices choices;
    choices.advance.proportional = true;
    const Result<TargetFont> made
        = prepareTargetFont(font, *exportTargetNamed("gfx"), choices, "fonts/8x16-bold.c");
    ASSERT_TRUE(made.ok()) << made.message();
    EXPECT_EQ(made->choices.name, "font_8x16_bold");
    EXPECT_EQ(made->baseline, 3);
    EXPECT_EQ(made->ink(0), (InkBox { 1, 1, 2, 2 }));
    EXPECT_EQ(made->ink(1), (InkBox { 0, 3, 0, 0 })) << "no ink: a box of no size on the baseline";
    // 0x20 and 0x41 in one run: 1 byte of pixels, 34 glyph entries and a GFXfont of 7 bytes.
    EXPECT_EQ(sizeReportText(exportSize(*made)),
        "2 glyphs: 246 bytes (pixels 1, metrics and tables 245)");
}

TEST(TargetNotes, SayWhichGlyphsWereLeftOut)
{
    const FontLib font = fontWithCodes({ 0x41, 0x00, 0x41, 0x41 });
    const Result<TargetFont> lvgl = prepareTargetFont(font, *exportTargetNamed("lvgl"), {}, "f.c");
    ASSERT_TRUE(lvgl.ok()) << lvgl.message();
    EXPECT_EQ(targetNotes(*lvgl),
        (std::vector<std::string> { "2 glyphs were left out: an earlier glyph has the same code.",
            "The glyph of code 0 was left out: LVGL 8 and 9 (lv_font_fmt_txt) never draws it (it "
            "ends a string)." }));
    const Result<TargetFont> rows = prepareTargetFont(font, *exportTargetNamed("rows"), {}, "f.c");
    EXPECT_EQ(targetNotes(*rows).size(), 1u);
}

TEST(SizeReport, GroupsThousandsAndSaysGlyph)
{
    EXPECT_EQ(sizeReportText({ 95, 912, 242 }),
        "95 glyphs: 1,154 bytes (pixels 912, metrics and tables 242)");
    EXPECT_EQ(sizeReportText({ 1, 1234567, 0 }),
        "1 glyph: 1,234,567 bytes (pixels 1,234,567, metrics and tables 0)");
}

TEST(CIdentifier, NamesFromFilesAreIdentifiers)
{
    EXPECT_EQ(identifierForFile("a/b/my-font.c"), "my_font");
    EXPECT_EQ(identifierForFile("int.c"), "font_int");
    EXPECT_EQ(identifierForFile("fonts/"), "font");
    EXPECT_EQ(identifierForFile(std::string(80, 'x') + ".c").size(), maxIdentifierLength);
    for (const char* name : { "a", "_x9", "font_8x16" }) {
        EXPECT_TRUE(checkCIdentifier(name).ok()) << name;
    }
    for (const char* name : { "", "9a", "a-b", "a b", "\xC3\xA9", "while" }) {
        EXPECT_FALSE(checkCIdentifier(name).ok()) << name;
    }
    EXPECT_FALSE(checkCIdentifier(std::string(64, 'a')).ok());
}

} // namespace
