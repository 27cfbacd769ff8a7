#include "creation/FontDescription.h"

#include <gtest/gtest.h>

namespace tessellon {
namespace {

    TEST(FontDescription, NamesFaceSizeAndHeight)
    {
        EXPECT_EQ(fontDescription("Courier New", 12, -16), "Font:Courier New,Size:12,Height:-16");
        EXPECT_EQ(fontDescription("Arial", 20, -27), "Font:Arial,Size:20,Height:-27");
    }

    struct SizeCase {
        int height;
        int dotsPerInch;
        int points;
    };

    TEST(FontDescription, PointsComeFromTheHeightAtTheScreensResolution)
    {
        const SizeCase cases[] = {
            { -16, 96, 12 },
            { -12, 96, 9 },
            { -27, 96, 20 }, // 20.25
            { -14, 96, 11 }, // 10.5 rounds up
            { -1, 96, 1 }, // 0.75
            { -16, 120, 10 }, // 9.6
            { -16, 72, 16 },
            { -16, 0, 0 },
        };
        for (const SizeCase& c : cases) {
            EXPECT_EQ(pointsForHeight(c.height, c.dotsPerInch), c.points) << c.height;
        }
    }

    TEST(FontDescription, HeightComesFromPointsAtTheScreensResolution)
    {
        EXPECT_EQ(heightForPoints(12, 96), -16);
        EXPECT_EQ(heightForPoints(20, 96), -27); // 26.67
        EXPECT_EQ(heightForPoints(9, 96), -12);
        EXPECT_EQ(heightForPoints(10.5, 96), -14);
        EXPECT_EQ(heightForPoints(12, 120), -20);
        EXPECT_EQ(heightForPoints(0, 96), 0);
        EXPECT_EQ(heightForPoints(12, 0), 0);
        // A point size from outside is bounded before it is rounded.
        EXPECT_EQ(heightForPoints(1e300, 96), -21845);
    }

} // namespace
} // namespace tessellon
