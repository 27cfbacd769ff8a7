#include "creation/NewFontLimits.h"

#include <gtest/gtest.h>

namespace tessellon {
namespace {

    TEST(NewFontLimits, OrdinaryFontsMayBeMade)
    {
        EXPECT_EQ(newFontSizeProblem(16, 16, 20997), "");
        EXPECT_EQ(newFontSizeProblem(1, 1, 0), "");
        EXPECT_EQ(newFontSizeProblem(256, 256, 65536), "");
    }

    TEST(NewFontLimits, GlyphSidesOutsideWhatFontFilesHoldAreRefused)
    {
        EXPECT_NE(newFontSizeProblem(0, 16, 1), "");
        EXPECT_NE(newFontSizeProblem(16, 0, 1), "");
        EXPECT_NE(newFontSizeProblem(257, 16, 1), "");
        EXPECT_NE(newFontSizeProblem(-3, 16, 1).find("-3 x 16"), std::string::npos);
    }

    TEST(NewFontLimits, HugeCharacterSetsAreRefused)
    {
        EXPECT_EQ(newFontSizeProblem(8, 8, maxCharSetGlyphs), "");
        EXPECT_NE(newFontSizeProblem(8, 8, maxCharSetGlyphs + 1ull), "");
        // 65537 glyphs of 256 x 256 pixels would need 512 MiB and 8 KiB more.
        EXPECT_NE(newFontSizeProblem(256, 256, 65537), "");
        EXPECT_NE(newFontSizeProblem(16, 16, 1ull << 40), "");
    }

} // namespace
} // namespace tessellon
