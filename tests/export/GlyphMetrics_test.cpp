#include "export/GlyphMetrics.h"

#include "FontBuilders.h"

#include <gtest/gtest.h>

namespace tessellon {
namespace {

    struct InkCase {
        const char* name;
        std::vector<std::string> rows;
        std::optional<InkBox> box;
    };

    TEST(GlyphMetrics, InkBoxIsTheSmallestRectangleHoldingEveryInkPixel)
    {
        const std::vector<InkCase> cases {
            { "empty", { "000000000", "000000000", "000000000" }, std::nullopt },
            { "one pixel", { "000000000", "000000001", "000000000" }, InkBox { 8, 1, 1, 1 } },
            { "corners", { "100000000", "000000000", "000000001" }, InkBox { 0, 0, 9, 3 } },
            { "gap rows", { "001000000", "000000000", "000100000" }, InkBox { 2, 0, 2, 3 } },
            { "second byte", { "000000000", "000000011", "000000010" }, InkBox { 7, 1, 2, 2 } },
        };
        for (const auto& c : cases) {
            const FontLib font = test::fontFromRows({ c.rows });
            EXPECT_EQ(inkBox(font, 0), c.box) << c.name;
        }
    }

    TEST(GlyphMetrics, AdvanceIsTheCellOrTheInkEdgePlusTheGapOrTheSpaceWidth)
    {
        const FontLib font = test::fontFromRows(
            { { "0100000", "0000000" }, { "0000000", "0000000" }, { "0000001", "0000000" } },
            { 0x41, 0x20, 0x42 });
        struct Case {
            AdvanceRule rule;
            std::vector<int> advances;
        };
        const std::vector<Case> cases {
            { {}, { 7, 7, 7 } },
            { { true, 1, std::nullopt }, { 3, 2, 8 } },
            { { true, 0, 4 }, { 2, 4, 7 } },
        };
        for (const auto& c : cases) {
            std::vector<int> advances;
            for (const auto& metric : glyphMetrics(font, c.rule)) {
                advances.push_back(metric.advance);
            }
            EXPECT_EQ(advances, c.advances) << c.rule.proportional << c.rule.gap;
        }
        EXPECT_EQ(defaultSpaceWidth(16), 5);
        EXPECT_EQ(defaultSpaceWidth(4), 2);
    }

} // namespace
} // namespace tessellon
