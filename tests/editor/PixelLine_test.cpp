#include "editor/PixelLine.h"
#include "editor/ZoomLevels.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace tessellon {

void PrintTo(const PixelPoint& point, std::ostream* out)
{
    *out << "(" << point.x << "," << point.y << ")";
}

namespace {

    using Points = std::vector<PixelPoint>;

    struct LineCase {
        PixelPoint from;
        PixelPoint to;
        Points expected;
    };

    void PrintTo(const LineCase& line, std::ostream* out)
    {
        *out << "(" << line.from.x << "," << line.from.y << ") to (" << line.to.x << ","
             << line.to.y << ")";
    }

    class Line : public ::testing::TestWithParam<LineCase> { };

    TEST_P(Line, SetsEveryPixelBetweenBothEnds)
    {
        EXPECT_EQ(linePixels(GetParam().from, GetParam().to), GetParam().expected);
    }

    INSTANTIATE_TEST_SUITE_P(Shapes, Line,
        ::testing::Values(LineCase { { 3, 4 }, { 3, 4 }, { { 3, 4 } } },
            LineCase { { 0, 0 }, { 3, 0 }, { { 0, 0 }, { 1, 0 }, { 2, 0 }, { 3, 0 } } },
            LineCase { { 2, 3 }, { 2, 0 }, { { 2, 3 }, { 2, 2 }, { 2, 1 }, { 2, 0 } } },
            LineCase { { 0, 0 }, { 3, 3 }, { { 0, 0 }, { 1, 1 }, { 2, 2 }, { 3, 3 } } },
            LineCase { { 5, 0 }, { 0, 2 },
                { { 5, 0 }, { 4, 0 }, { 3, 1 }, { 2, 1 }, { 1, 2 }, { 0, 2 } } },
            LineCase { { -2, 1 }, { 1, 1 }, { { -2, 1 }, { -1, 1 }, { 0, 1 }, { 1, 1 } } }));

    TEST(Line, LongLinesHaveNoGapsAndEndWhereAsked)
    {
        for (const PixelPoint to : { PixelPoint { 255, 17 }, PixelPoint { -40, 255 },
                 PixelPoint { 15, 15 }, PixelPoint { 1, -200 } }) {
            const Points line = linePixels({ 0, 0 }, to);
            ASSERT_EQ(line.front(), (PixelPoint { 0, 0 }));
            ASSERT_EQ(line.back(), to);
            EXPECT_EQ(line.size(),
                static_cast<std::size_t>(std::max(std::abs(to.x), std::abs(to.y))) + 1);
            for (std::size_t i = 1; i < line.size(); ++i) {
                EXPECT_LE(std::abs(line[i].x - line[i - 1].x), 1);
                EXPECT_LE(std::abs(line[i].y - line[i - 1].y), 1);
            }
        }
    }

    struct ZoomCase {
        int zoom;
        int steps;
        int expected;
    };

    void PrintTo(const ZoomCase& zoom, std::ostream* out)
    {
        *out << zoom.zoom << " by " << zoom.steps;
    }

    class EditorZoom : public ::testing::TestWithParam<ZoomCase> { };

    TEST_P(EditorZoom, StepsAlongTheLevels)
    {
        EXPECT_EQ(steppedEditorZoom(GetParam().zoom, GetParam().steps), GetParam().expected);
    }

    INSTANTIATE_TEST_SUITE_P(Levels, EditorZoom,
        ::testing::Values(ZoomCase { 10, 1, 12 }, ZoomCase { 10, -1, 8 }, ZoomCase { 10, 0, 10 },
            ZoomCase { 32, 1, 40 }, ZoomCase { 40, 1, 40 }, ZoomCase { 4, -1, 4 },
            ZoomCase { 5, -3, 4 }, ZoomCase { 11, 1, 12 }, ZoomCase { 11, -1, 8 },
            ZoomCase { 1, 1, 5 }, ZoomCase { 99, -1, 32 }, ZoomCase { 4, 20, 40 }));

    TEST(GridScale, StaysWithinOneToFour)
    {
        EXPECT_EQ(steppedGridScale(1, 1), 2);
        EXPECT_EQ(steppedGridScale(4, 1), 4);
        EXPECT_EQ(steppedGridScale(1, -1), 1);
        EXPECT_EQ(steppedGridScale(3, -2), 1);
    }

} // namespace
} // namespace tessellon
