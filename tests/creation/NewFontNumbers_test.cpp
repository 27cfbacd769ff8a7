#include "creation/NewFontNumbers.h"

#include <gtest/gtest.h>

namespace tessellon {
namespace {

    struct IntegerCase {
        const char* text;
        bool valid;
        int value;
    };

    TEST(NewFontNumbers, DecimalIntegersAreReadAndAnythingElseIsRefusedWithItsText)
    {
        const IntegerCase cases[] = {
            { "16", true, 16 },
            { "-3", true, -3 },
            { "+7", true, 7 },
            { " 12 ", true, 12 },
            { "0", true, 0 },
            { "2147483647", true, 2147483647 },
            { "-2147483648", true, -2147483647 - 1 },
            { "", false, 0 },
            { "abc", false, 0 },
            { "12a", false, 0 },
            { "1 2", false, 0 },
            { "0x10", false, 0 },
            { "+-5", false, 0 },
            { "--5", false, 0 },
            { "+", false, 0 },
            { "2147483648", false, 0 },
            { "99999999999999999999", false, 0 },
            { "1.5", false, 0 },
            { "\xE4\xB8\x80", false, 0 },
        };
        for (const IntegerCase& c : cases) {
            const Result<int> read = readDecimalInteger(c.text);
            EXPECT_EQ(read.ok(), c.valid) << c.text;
            if (c.valid && read) {
                EXPECT_EQ(*read, c.value) << c.text;
            } else if (!c.valid) {
                EXPECT_EQ(read.message(),
                    std::string("'").append(c.text).append("' is not a valid integer value"));
            }
        }
    }

    TEST(NewFontNumbers, TheFourTextsBecomeTheFourNumbers)
    {
        const auto numbers = readNewFontNumbers({ "12", "16", "-3", "2" });
        ASSERT_TRUE(numbers.ok()) << numbers.message();
        EXPECT_EQ(numbers->glyphWidth, 12);
        EXPECT_EQ(numbers->glyphHeight, 16);
        EXPECT_EQ(numbers->offsetX, -3);
        EXPECT_EQ(numbers->offsetY, 2);
    }

    struct RangeCase {
        NewFontTexts texts;
        const char* message; // empty when the numbers are allowed
    };

    TEST(NewFontNumbers, NumbersOutsideTheirRangeAreRefusedNamingFieldAndRange)
    {
        const RangeCase cases[] = {
            { { "1", "1", "-256", "256" }, "" },
            { { "256", "256", "256", "-256" }, "" },
            { { "0", "16", "0", "0" }, "Width must be a number from 1 to 256, not 0." },
            { { "257", "16", "0", "0" }, "Width must be a number from 1 to 256, not 257." },
            { { "16", "-16", "0", "0" }, "Height must be a number from 1 to 256, not -16." },
            { { "16", "16", "-257", "0" },
                "Offset x must be a number from -256 to 256, not -257." },
            { { "16", "16", "0", "100000" },
                "Offset y must be a number from -256 to 256, not 100000." },
            // Nothing large is claimed from a typed number.
            { { "2147483647", "2147483647", "0", "0" },
                "Width must be a number from 1 to 256, not 2147483647." },
        };
        for (const RangeCase& c : cases) {
            const auto numbers = readNewFontNumbers(c.texts);
            EXPECT_EQ(numbers.ok(), std::string(c.message).empty()) << c.texts.width;
            EXPECT_EQ(numbers.message(), c.message);
        }
    }

    TEST(NewFontNumbers, EveryTextIsConvertedBeforeAnyRangeIsChecked)
    {
        // A width out of range and a height that is no number: the conversion fails first.
        EXPECT_EQ(readNewFontNumbers({ "0", "abc", "0", "0" }).message(),
            "Height must be a number from 1 to 256, not 'abc'.");
        EXPECT_EQ(badNewFontField({ "0", "abc", "0", "0" }), NewFontField::Height);
        EXPECT_EQ(readNewFontNumbers({ "x", "abc", "0", "0" }).message(),
            "Width must be a number from 1 to 256, not 'x'.");
        EXPECT_EQ(badNewFontField({ "16", "16", "0", "" }), NewFontField::OffsetY);
        EXPECT_EQ(badNewFontField({ "16", "16", "0", "0" }), std::nullopt);
    }

    TEST(NewFontNumbers, ThePreviewReadsTheOffsetsFirst)
    {
        const NewFontTexts texts { "w", "h", "x", "y" };
        EXPECT_EQ(
            readNewFontNumbers(texts).message(), "Width must be a number from 1 to 256, not 'w'.");
        EXPECT_EQ(readNewFontNumbers(texts, previewFieldOrder).message(),
            "Offset x must be a number from -256 to 256, not 'x'.");
        const NewFontTexts ranges { "0", "16", "300", "0" };
        EXPECT_EQ(
            readNewFontNumbers(ranges).message(), "Width must be a number from 1 to 256, not 0.");
        EXPECT_EQ(readNewFontNumbers(ranges, previewFieldOrder).message(),
            "Offset x must be a number from -256 to 256, not 300.");
        EXPECT_EQ(badNewFontField(ranges, previewFieldOrder), NewFontField::OffsetX);
    }

    TEST(NewFontNumbers, OneFieldIsConvertedThenCheckedAndNamed)
    {
        EXPECT_EQ(*readNewFontField(NewFontField::Height, "12"), 12);
        EXPECT_EQ(readNewFontField(NewFontField::Width, "").message(),
            "Width must be a number from 1 to 256, not ''.");
        EXPECT_EQ(readNewFontField(NewFontField::OffsetX, " 1 2").message(),
            "Offset x must be a number from -256 to 256, not ' 1 2'.");
        EXPECT_EQ(readNewFontField(NewFontField::Height, "0").message(),
            "Height must be a number from 1 to 256, not 0.");
    }

} // namespace
} // namespace tessellon
