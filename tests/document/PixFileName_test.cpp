#include "document/PixFileName.h"

#include <gtest/gtest.h>

namespace tessellon {
namespace {

    TEST(PixFileName, AppendsPixUnlessTheNameEndsInExactlyDotPix)
    {
        EXPECT_EQ(withPixExtension("font"), "font.pix");
        EXPECT_EQ(withPixExtension("font.txt"), "font.txt.pix");
        EXPECT_EQ(withPixExtension("FONT.PIX"), "FONT.PIX.pix");
        EXPECT_EQ(withPixExtension("font.pix"), "font.pix");
        EXPECT_EQ(withPixExtension("/home/me/fonts/font.pix"), "/home/me/fonts/font.pix");
        EXPECT_EQ(withPixExtension("/home/me/my.fonts/font"), "/home/me/my.fonts/font.pix");
        EXPECT_EQ(withPixExtension("/home/me/.pix"), "/home/me/.pix");
        EXPECT_EQ(withPixExtension("font.pix.bak"), "font.pix.bak.pix");
    }

    TEST(PixFileName, UntitledNamesBeginWithNONAME)
    {
        EXPECT_TRUE(isUntitledName("NONAME1"));
        EXPECT_TRUE(isUntitledName("NONAME12"));
        EXPECT_FALSE(isUntitledName("/tmp/NONAME1.pix"));
        EXPECT_FALSE(isUntitledName("noname1"));
    }

} // namespace
} // namespace tessellon
