#include "creation/MissingCharacters.h"

#include <gtest/gtest.h>

namespace tessellon {
namespace {

    TEST(MissingCharacters, TheFirstCodesAreListedThenDots)
    {
        const struct {
            std::vector<char32_t> codes;
            const char* text;
        } cases[] = {
            { { 0x4E2D }, "1 character not in DejaVu Sans: U+4E2D" },
            { { 0xE9, 0x1F600 }, "2 characters not in DejaVu Sans: U+00E9 U+1F600" },
            { { 1, 2, 3, 4, 5, 6, 7, 8 },
                "8 characters not in DejaVu Sans: U+0001 U+0002 U+0003 U+0004 U+0005 U+0006 "
                "U+0007 U+0008" },
            { { 1, 2, 3, 4, 5, 6, 7, 8, 0xFFFF, 0x10 },
                "10 characters not in DejaVu Sans: U+0001 U+0002 U+0003 U+0004 U+0005 U+0006 "
                "U+0007 U+0008 ..." },
        };
        for (const auto& c : cases) {
            EXPECT_EQ(missingCharactersText({ "DejaVu Sans", c.codes }), c.text);
            const std::string count = c.text;
            EXPECT_EQ(
                missingCountText({ "DejaVu Sans", c.codes }), count.substr(0, count.find(':')));
        }
    }

} // namespace
} // namespace tessellon
