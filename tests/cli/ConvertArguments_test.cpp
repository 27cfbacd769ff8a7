#include "cli/ConvertArguments.h"

#include <gtest/gtest.h>

namespace tessellon::cli {
namespace {

    using Args = std::vector<std::string>;

    TEST(ConvertArguments, EveryOptionIsReadInBothSpellings)
    {
        const auto parsed = parseConvertArguments({ "in.png", "--cell=8x16", "--offset", "-1,+2",
            "--ascent", "12", "--columns=16", "--first", "4e00", "out.pix", "--baseline", "9" });
        ASSERT_TRUE(parsed.ok()) << parsed.message();
        EXPECT_EQ(parsed->input, "in.png");
        EXPECT_EQ(parsed->output, "out.pix");
        EXPECT_EQ(parsed->options.cell, (GlyphSize { 8, 16 }));
        EXPECT_EQ(parsed->options.offset, (CellOffset { -1, 2 }));
        EXPECT_EQ(parsed->options.ascent, 12);
        EXPECT_EQ(parsed->options.columns, 16);
        EXPECT_EQ(parsed->options.firstCode, 0x4E00);
        EXPECT_EQ(parsed->baseline, 9);
    }

    TEST(ConvertArguments, WithoutOptionsTheFormatsDecide)
    {
        const auto parsed = parseConvertArguments({ "a.bdf", "b.pix" });
        ASSERT_TRUE(parsed.ok()) << parsed.message();
        EXPECT_FALSE(parsed->options.cell || parsed->options.offset || parsed->options.ascent
            || parsed->options.firstCode);
        EXPECT_EQ(parsed->options.columns, 32);
    }

    TEST(ConvertArguments, UnusableArgumentsAreRefusedWithTheReason)
    {
        const struct {
            Args args;
            std::string message;
        } cases[] = {
            { {}, "give the file to read and the file to write (IN OUT)" },
            { { "a.bdf" }, "give the file to read and the file to write (IN OUT)" },
            { { "a.bdf", "b.pix", "c.pix" }, "more than two files ('a.bdf', 'b.pix', 'c.pix')" },
            { { "a.bdf", "", "b.pix" }, "a file name is empty" },
            { { "a.bdf", "b.pix", "--size", "8" }, "unknown option '--size'" },
            { { "a.png", "b.pix", "--cell", "8" },
                "--cell must be WxH (two whole numbers from 1 to 256, such as 8x16), not '8'" },
            { { "a.png", "b.pix", "--cell", "0x16" }, "not '0x16'" },
            { { "a.png", "b.pix", "--cell", "8x257" }, "not '8x257'" },
            { { "a.png", "b.pix", "--cell", "8X16" }, "not '8X16'" },
            { { "a.png", "b.pix", "--cell" }, "--cell needs a value" },
            { { "a.bdf", "b.pix", "--offset", "1" },
                "--offset must be X,Y (two whole numbers from -32768 to 32767), not '1'" },
            { { "a.pix", "b.bdf", "--ascent", "-1" },
                "--ascent must be a whole number from 0 to 256, not '-1'" },
            { { "a.pix", "b.png", "--columns", "0" },
                "--columns must be a whole number from 1 to 32767, not '0'" },
            { { "a.pix", "b.png", "--columns", "99999999999" }, "not '99999999999'" },
            { { "a.png", "b.pix", "--first", "10000" },
                "--first must be a code of 1 to 4 hexadecimal digits, not '10000'" },
            { { "a.png", "b.pix", "--first", "0x41" }, "not '0x41'" },
            { { "a.pix", "b.bdf", "--baseline", "x" }, "--baseline must be a whole number" },
        };
        for (const auto& c : cases) {
            const auto parsed = parseConvertArguments(c.args);
            EXPECT_FALSE(parsed.ok()) << c.message;
            EXPECT_NE(parsed.message().find(c.message), std::string::npos)
                << parsed.message() << " | expected " << c.message;
        }
    }

} // namespace
} // namespace tessellon::cli
