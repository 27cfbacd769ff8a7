#include "editor/TextPreviewLayout.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tessellon {
namespace {

    constexpr int glyphWidth = 4;
    constexpr int glyphHeight = 6;

    // Five 4 x 6 glyphs showing 'A', 'B', 'C', 'D' and the space.
    FontLib fiveGlyphs()
    {
        FontLib font = FontLib::blank(glyphWidth, glyphHeight, 5, true);
        *font.codeTable = { u'A', u'B', u'C', u'D', u' ' };
        return font;
    }

    // The layout drawn as text: one string per line, one character per cell, the glyph's code
    // ('_' for the space glyph), '?' for a framed box, '.' for a cell left empty.
    std::vector<std::string> drawn(const TextPreviewLayout& layout, const FontLib& font)
    {
        std::vector<std::string> lines(static_cast<std::size_t>(layout.lines));
        for (const PreviewGlyph& glyph : layout.glyphs) {
            EXPECT_EQ(glyph.x % glyphWidth, 0);
            EXPECT_EQ(glyph.y % glyphHeight, 0);
            std::string& line = lines.at(static_cast<std::size_t>(glyph.y / glyphHeight));
            const auto column = static_cast<std::size_t>(glyph.x / glyphWidth);
            if (line.size() <= column) {
                line.resize(column + 1, '.');
            }
            const char shown
                = glyph.glyph ? static_cast<char>((*font.codeTable)[*glyph.glyph]) : '?';
            line[column] = shown == ' ' ? '_' : shown;
        }
        return lines;
    }

    struct LayoutCase {
        const char* what;
        std::u16string text;
        int displayWidth;
        std::vector<std::string> lines;
        int missing;
    };

    class PreviewLayout : public ::testing::TestWithParam<LayoutCase> { };

    TEST_P(PreviewLayout, SetsTheTextInLinesOfGlyphs)
    {
        const LayoutCase& c = GetParam();
        const FontLib font = fiveGlyphs();
        const GlyphCodeIndex codes(font);
        const TextPreviewLayout layout
            = layOutPreviewText(c.text, glyphWidth, glyphHeight, codes, c.displayWidth);
        EXPECT_EQ(drawn(layout, font), c.lines);
        EXPECT_EQ(layout.missing, c.missing);
    }

    INSTANTIATE_TEST_SUITE_P(Cases, PreviewLayout,
        ::testing::Values(LayoutCase { "one line", u"ABCD", 16, { "ABCD" }, 0 },
            LayoutCase {
                "long word breaks where the line is full", u"ABCDA", 16, { "ABCD", "A" }, 0 },
            LayoutCase { "partial cells do not count", u"ABCD", 15, { "ABC", "D" }, 0 },
            LayoutCase { "word that does not fit moves down", u"AB CD", 16, { "AB_", "CD" }, 0 },
            LayoutCase { "space at a full line is the break", u"ABCD CD", 16, { "ABCD", "CD" }, 0 },
            LayoutCase { "spaces before a break stay", u"AB  CD", 16, { "AB__", "CD" }, 0 },
            LayoutCase { "missing characters are boxes", u"AxB", 16, { "A?B" }, 1 },
            LayoutCase { "every missing character counts", u"xAxx", 16, { "?A??" }, 3 },
            LayoutCase { "line breaks", u"A\nB\n\nC", 16, { "A", "B", "", "C" }, 0 },
            LayoutCase { "surrogate pair is one character", u"A\U0001F600B", 16, { "A?B" }, 1 },
            LayoutCase { "narrower than a glyph", u"AB C", 2, { "A", "B", "C" }, 0 },
            LayoutCase { "lower case is another character", u"Ab", 16, { "A?" }, 1 },
            LayoutCase { "nothing", u"", 16, {}, 0 }),
        [](const auto& info) {
            std::string name = info.param.what;
            for (char& c : name) {
                c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
            }
            return name;
        });

    TEST(PreviewLayout, PlacesGlyphsByPixel)
    {
        const FontLib font = fiveGlyphs();
        const GlyphCodeIndex codes(font);
        const TextPreviewLayout layout
            = layOutPreviewText(u"DC BA", glyphWidth, glyphHeight, codes, 12);
        const std::vector<PreviewGlyph> expected { { 0, 0, 3u }, { 4, 0, 2u }, { 8, 0, 4u },
            { 0, 6, 1u }, { 4, 6, 0u } };
        EXPECT_EQ(layout.glyphs, expected);
        EXPECT_EQ(layout.lines, 2);
    }

    TEST(GlyphCodeIndex, FindsTheFirstGlyphOfACode)
    {
        FontLib font = FontLib::blank(8, 8, 4, true);
        *font.codeTable = { 0x41, 0x42, 0x41, 0xffff };
        const GlyphCodeIndex codes(font);
        EXPECT_EQ(codes.find(0x41), 0u);
        EXPECT_EQ(codes.find(0x42), 1u);
        EXPECT_EQ(codes.find(0xffff), 3u);
        EXPECT_EQ(codes.find(0x43), std::nullopt);
        EXPECT_EQ(codes.find(0), std::nullopt);
    }

    TEST(GlyphCodeIndex, WithoutCodesTakesGlyphsInIndexOrder)
    {
        const FontLib font = FontLib::blank(8, 8, 66, false);
        const GlyphCodeIndex codes(font);
        EXPECT_EQ(codes.find(0), 0u);
        EXPECT_EQ(codes.find(0x41), 0x41u);
        EXPECT_EQ(codes.find(66), std::nullopt);
        const TextPreviewLayout layout = layOutPreviewText(u"AB", 8, 8, codes, 100);
        ASSERT_EQ(layout.glyphs.size(), 2u);
        EXPECT_EQ(layout.glyphs[0].glyph, 0x41u);
        EXPECT_EQ(layout.glyphs[1].glyph, std::nullopt);
        EXPECT_EQ(layout.missing, 1);
    }

} // namespace
} // namespace tessellon
