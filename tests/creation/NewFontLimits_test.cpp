#include "creation/NewFontLimits.h"

#include <gtest/gtest.h>

namespace tessellon {
namespace {

    TEST(NewFontLimits, OrdinaryFontsMayBeMade)
    {
        EXPECT_TRUE(checkNewFontSize(16, 16, 20997).ok());
        EXPECT_TRUE(checkNewFontSize(1, 1, 0).ok());
        EXPECT_TRUE(checkNewFontSize(256, 256, 65536).ok());
    }

    TEST(NewFontLimits, GlyphSidesOutsideWhatFontFilesHoldAreRefused)
    {
        EXPECT_FALSE(checkNewFontSize(0, 16, 1).ok());
        EXPECT_FALSE(checkNewFontSize(16, 0, 1).ok());
        EXPECT_FALSE(checkNewFontSize(257, 16, 1).ok());
        EXPECT_NE(checkNewFontSize(-3, 16, 1).message().find("-3 x 16"), std::string::npos);
    }

    TEST(NewFontLimits, HugeCharacterSetsAreRefused)
    {
        EXPECT_TRUE(checkNewFontSize(8, 8, maxCharSetGlyphs).ok());
        EXPECT_EQ(checkNewFontSize(8, 8, maxCharSetGlyphs + 1ull).message(),
            "The character set holds 1048577 characters; at most 1048576 are allowed.");
        // 65537 glyphs of 256 x 256 pixels would need 512 MiB and 8 KiB more.
        EXPECT_FALSE(checkNewFontSize(256, 256, 65537).ok());
        EXPECT_FALSE(checkNewFontSize(16, 16, 1ull << 40).ok());
    }

} // namespace
} // namespace tessellon
