#include "editor/BmpFileName.h"

#include <gtest/gtest.h>

namespace tessellon {
namespace {

    TEST(WithBmpExtension, ReplacesOrAddsTheExtension)
    {
        const std::pair<const char*, const char*> cases[] = {
            { "a.png", "a.bmp" },
            { "a", "a.bmp" },
            { "a.bmp", "a.bmp" },
            { "a.BMP", "a.bmp" },
            { "a.tar.gz", "a.tar.bmp" },
            { "a.", "a.bmp" },
            { "/home/u/pictures.d/a", "/home/u/pictures.d/a.bmp" },
            { "/home/u/pictures.d/a.gif", "/home/u/pictures.d/a.bmp" },
            { "dir/.hidden", "dir/.bmp" },
        };
        for (const auto& [chosen, written] : cases) {
            EXPECT_EQ(withBmpExtension(chosen), written) << chosen;
        }
    }

} // namespace
} // namespace tessellon
