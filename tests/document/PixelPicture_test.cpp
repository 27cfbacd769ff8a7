#include "document/PixelPicture.h"

#include <gtest/gtest.h>

namespace tessellon {
namespace {

    using Bytes = std::vector<std::uint8_t>;

    struct PictureCase {
        int width;
        int height;
        Bytes picture;
        Bytes packed;
    };

    class Picture : public ::testing::TestWithParam<PictureCase> { };

    TEST_P(Picture, PacksIntoGlyphBytesAndBack)
    {
        const PictureCase& c = GetParam();
        EXPECT_EQ(packPicture(c.picture, c.width, c.height), c.packed);
        EXPECT_EQ(unpackPicture(c.packed, c.width, c.height), c.picture);
    }

    INSTANTIATE_TEST_SUITE_P(Widths, Picture,
        ::testing::Values(PictureCase { 1, 2, { 1, 0 }, { 0x80, 0x00 } },
            PictureCase { 3, 1, { 0, 1, 1 }, { 0x60 } },
            PictureCase { 9, 1, { 1, 0, 0, 0, 0, 0, 0, 1, 1 }, { 0x81, 0x80 } },
            PictureCase { 2, 2, { 1, 1, 0, 1 }, { 0xc0, 0x40 } }));

    TEST(Picture, OnlyOnesAreInkAndPaddingIsIgnored)
    {
        EXPECT_EQ(packPicture(Bytes { 1, 2, 255 }, 3, 1), Bytes { 0x80 });
        EXPECT_EQ(unpackPicture(Bytes { 0xff }, 3, 1), (Bytes { 1, 1, 1 }));
    }

} // namespace
} // namespace tessellon
