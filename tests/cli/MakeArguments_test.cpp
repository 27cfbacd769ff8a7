#include "cli/MakeArguments.h"

#include <gtest/gtest.h>

namespace tessellon::cli {
namespace {

    using Args = std::vector<std::string>;

    Args complete(const Args& extra)
    {
        Args args { "out.pix", "--width", "16", "--height", "16", "--font", "Courier New", "--px",
            "16", "--ranges", "30-39" };
        args.insert(args.end(), extra.begin(), extra.end());
        return args;
    }

    TEST(MakeArguments, EveryOptionIsReadInBothSpellings)
    {
        const auto parsed = parseMakeArguments({ "out.pix", "--width=12", "--height", "+20",
            "--offset=-3,2", "--font", "Liberation Mono", "--px=14", "--bold", "--italic",
            "--charset", "set.txt", "--timings", "--baseline=15", "--threads", "3" });
        ASSERT_TRUE(parsed.ok()) << parsed.message();
        EXPECT_EQ(parsed->output, "out.pix");
        EXPECT_EQ(parsed->width, 12);
        EXPECT_EQ(parsed->height, 20);
        EXPECT_EQ(parsed->offsetX, -3);
        EXPECT_EQ(parsed->offsetY, 2);
        EXPECT_EQ(parsed->font, "Liberation Mono");
        EXPECT_EQ(parsed->pixelSize, 14);
        EXPECT_TRUE(parsed->bold && parsed->italic && parsed->timings);
        EXPECT_EQ(parsed->charSetFile, "set.txt");
        EXPECT_FALSE(parsed->ranges.has_value());
        EXPECT_EQ(parsed->baseline, 15);
        EXPECT_EQ(parsed->threads, 3u);
    }

    // Wrong, huge and hostile values: each is refused with a message that names the option
    // and the value.
    TEST(MakeArguments, UnusableValuesAreRefusedWithTheReason)
    {
        const struct {
            Args extra;
            std::string message;
        } cases[] = {
            { { "--width", "0" }, "--width must be a whole number from 1 to 256, not '0'" },
            { { "--width", "-1" }, "not '-1'" },
            { { "--width", "257" }, "not '257'" },
            { { "--width", "99999999999999999999999" }, "not '99999999999999999999999'" },
            { { "--width", "16.5" }, "not '16.5'" },
            { { "--width", " 16" }, "not ' 16'" },
            { { "--width", "0x10" }, "not '0x10'" },
            { { "--width=" }, "--width must be a whole number from 1 to 256, not ''" },
            { { "--height", "1e3" }, "--height must be" },
            { { "--px", "0" }, "--px must be a whole number from 1 to 1024, not '0'" },
            { { "--px", "1025" }, "not '1025'" },
            { { "--offset", "1" },
                "--offset must be X,Y (two whole numbers from -32768 to 32767)" },
            { { "--offset", "1,2,3" }, "not '1,2,3'" },
            { { "--offset", "32768,0" }, "not '32768,0'" },
            { { "--offset", "0,-32769" }, "not '0,-32769'" },
            { { "--offset", "," }, "not ','" },
            { { "--font", "" }, "--font needs a value" },
            { { "--width" }, "--width needs a value" },
            { { "--frobnicate" }, "unknown option '--frobnicate'" },
            { { "--widthx=3" }, "unknown option '--widthx=3'" },
            { { "second.pix" }, "more than one output file ('out.pix', 'second.pix')" },
            { { "--charset", "set.txt" }, "give either --charset or --ranges" },
            { { "--baseline", "17" },
                "--baseline 17: a baseline 17 rows below the top does not "
                "fit glyphs 16 rows high (it must be 0 to 16)" },
            { { "--baseline", "-1" }, "--baseline must be a whole number from 0 to 256" },
            { { "--hinting", "Auto" },
                "--hinting must be one of system, auto, light, none, not 'Auto'" },
            { { "--hinting", "" }, "not ''" },
            { { "--hinting", "full" }, "not 'full'" },
            { { "--hinting", "none,auto" }, "not 'none,auto'" },
            { { "--hinting", "\xff\xfe" }, "not '\xff\xfe'" },
            { { "--hinting" }, "--hinting needs a value" },
            { { "--threads", "0" }, "--threads must be a whole number from 1 to 64, not '0'" },
            { { "--threads", "65" }, "not '65'" },
        };
        for (const auto& unusable : cases) {
            const auto parsed = parseMakeArguments(complete(unusable.extra));
            ASSERT_FALSE(parsed.ok()) << unusable.extra.front();
            EXPECT_NE(parsed.message().find(unusable.message), std::string::npos)
                << parsed.message();
        }
    }

    TEST(MakeArguments, HintingStylesAreReadByTheirOptionNames)
    {
        EXPECT_EQ(parseMakeArguments(complete({}))->hinting, HintingStyle::System);
        for (const HintingStyleInfo& info : hintingStyles) {
            const std::string option = info.option;
            for (const Args& spelling :
                { Args { "--hinting", option }, Args { "--hinting=" + option } }) {
                const auto parsed = parseMakeArguments(complete(spelling));
                ASSERT_TRUE(parsed.ok()) << parsed.message();
                EXPECT_EQ(parsed->hinting, info.style) << option;
            }
        }
    }

    TEST(MakeArguments, MissingArgumentsAreNamed)
    {
        const struct {
            Args args;
            std::string message;
        } cases[] = {
            { {}, "the output file OUT.pix is missing" },
            { { "o.pix", "--width", "16", "--font", "F", "--px", "9", "--ranges", "30-39" },
                "--width and --height are needed" },
            { { "o.pix", "--width", "16", "--height", "16", "--px", "9", "--ranges", "30-39" },
                "--font is needed" },
            { { "o.pix", "--width", "16", "--height", "16", "--font", "F", "--ranges", "30-39" },
                "--px is needed" },
            { { "o.pix", "--width", "16", "--height", "16", "--font", "F", "--px", "9" },
                "give either --charset or --ranges" },
            { { "o.pix", "--width", "16", "--height", "16", "--font", "F", "--px", "9", "--charset",
                  "" },
                "--charset needs a value" },
        };
        for (const auto& incomplete : cases) {
            EXPECT_EQ(parseMakeArguments(incomplete.args).message(), incomplete.message);
        }
    }

} // namespace
} // namespace tessellon::cli
