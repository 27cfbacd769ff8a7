#include "creation/HintingStyle.h"

#include <gtest/gtest.h>

#include <string>

namespace tessellon {
namespace {

    TEST(HintingStyle, EachStyleHasItsNameAndOption)
    {
        const struct {
            HintingStyle style;
            std::string name;
            std::string option;
        } cases[] = {
            { HintingStyle::System, "System (bilevel hinting)", "system" },
            { HintingStyle::AutoHinter, "Auto-hinter", "auto" },
            { HintingStyle::Light, "Light (vertical only)", "light" },
            { HintingStyle::None, "None", "none" },
        };
        ASSERT_EQ(hintingStyles.size(), std::size(cases));
        for (std::size_t i = 0; i < std::size(cases); ++i) {
            EXPECT_EQ(hintingStyles[i].style, cases[i].style) << i;
            EXPECT_EQ(hintingStyleInfo(cases[i].style).name, cases[i].name);
            EXPECT_EQ(hintingStyleInfo(cases[i].style).option, cases[i].option);
            EXPECT_EQ(hintingStyleForOption(cases[i].option), cases[i].style);
        }
    }

    TEST(HintingStyle, OnlyTheExactOptionNamesAreStyles)
    {
        for (const char* option : { "", "System", "AUTO", "auto ", "full", "slight", "none,auto",
                 "System (bilevel hinting)", "\xff" }) {
            EXPECT_FALSE(hintingStyleForOption(option).has_value()) << option;
        }
    }

} // namespace
} // namespace tessellon
