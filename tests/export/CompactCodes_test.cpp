#include "export/CompactCodes.h"

#include "FontBuilders.h"

#include <gtest/gtest.h>

using namespace tessellon;

namespace {

TEST(CompactCodes, FieldListIsTheOneOfFewestBits)
{
    struct Case {
        std::vector<int> values;
        int rawBits;
        std::vector<int> list;
    };
    const std::vector<Case> cases {
        // No list 16 bits; [5] 3 + 5 + 4 = 12; [5, 7] 3 + 2 + 8 = 13.
        { { 5, 5, 7, 5 }, 4, { 5 } },
        // No list 24; [2] 4 + 12 + 4 + 3 = 23; [2, 3] 4 + 6 + 5 + 6 = 21; [2, 3, 4] 22.
        { { 2, 3, 2, 4, 3, 2, 3, 2 }, 3, { 2, 3 } },
        // Every value once: a list never pays.
        { { 0, 1, 2, 3, 4, 5, 6, 7 }, 3, {} },
        { {}, 5, {} },
    };
    for (const Case& c : cases) {
        EXPECT_EQ(chooseFieldCode(c.values, c.rawBits).list, c.list) << c.values.size();
    }
}

TEST(CompactCodes, FieldValuesAreTheirPlaceInUnaryOrRaw)
{
    const FieldCode code { { 5, 7 }, 4 };
    BitWriter out;
    code.write(out, 5); // 0
    code.write(out, 7); // 10
    code.write(out, 3); // 11 0011: 0101 1001 1
    EXPECT_EQ(out.bytes(), (std::vector<std::uint8_t> { 0x59, 0x80 }));
    EXPECT_EQ(out.bitCount(), code.bitsOf(5) + code.bitsOf(7) + code.bitsOf(3));
}

TEST(CompactCodes, RowsRepeatOrComeFromTheDictionaryWhenThatIsShorter)
{
    // Six rows alike: repeats give 5 flags + 8 pixels; a dictionary of that row 14 bits.
    const FontLib bar = test::fontFromRows({ std::vector<std::string>(6, "11000011") });
    const RowCode barCode = chooseRowCode(collectCompactGlyphs(bar), 8);
    EXPECT_TRUE(barCode.sameRows);
    EXPECT_TRUE(barCode.dictionary.empty());

    // Twenty glyphs of the same two rows: 320 bits of pixels, or 40 x 2 + 16 with both rows
    // in the dictionary; repeats never happen.
    const FontLib pairs
        = test::fontFromRows(std::vector<std::vector<std::string>>(20, { "10000001", "01111110" }));
    const CompactGlyphs pairGlyphs = collectCompactGlyphs(pairs);
    const RowCode pairCode = chooseRowCode(pairGlyphs, 8);
    EXPECT_FALSE(pairCode.sameRows);
    EXPECT_EQ(pairCode.dictionary.size(), 2u);

    // Rows all different: pixels alone.
    const FontLib distinct = test::fontFromRows({ { "1000", "0100", "0010", "0001" } });
    const RowCode distinctCode = chooseRowCode(collectCompactGlyphs(distinct), 4);
    EXPECT_FALSE(distinctCode.sameRows);
    EXPECT_TRUE(distinctCode.dictionary.empty());
}

TEST(CompactCodes, GlyphsComeInCodeOrderTheFirstOfEachCodeKept)
{
    const FontLib font = test::fontFromRows(
        { { "1" }, { "1" }, { "0" }, { "1" }, { "1" } }, { 0x43, 0x41, 0x43, 0x42, 0x45 });
    const CompactGlyphs glyphs = collectCompactGlyphs(font);
    std::vector<std::uint16_t> codes;
    for (const CompactGlyph& glyph : glyphs.glyphs) {
        codes.push_back(glyph.code);
    }
    EXPECT_EQ(codes, (std::vector<std::uint16_t> { 0x41, 0x42, 0x43, 0x45 }));
    EXPECT_TRUE(glyphs.glyphs[2].box); // the first 0x43, not the empty one
    const auto runs = codeRuns(glyphs.glyphs);
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_EQ(runs[0].first, 0x41u);
    EXPECT_EQ(runs[0].length, 3u);
    EXPECT_EQ(runs[1].first, 0x45u);
    EXPECT_EQ(runs[1].length, 1u);
}

} // namespace
