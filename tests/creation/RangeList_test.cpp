#include "creation/RangeList.h"
#include "creation/UnicodeRangeGrid.h"

#include <gtest/gtest.h>

namespace tessellon {
namespace {

    std::string repeated(const std::string& item, int count)
    {
        std::string list;
        for (int i = 0; i < count; ++i) {
            list += (i > 0 ? "," : "") + item;
        }
        return list;
    }

    TEST(RangeList, RangesGiveTheirCodesInOrderAsGridRowsDo)
    {
        const auto ranges = parseRangeList("41-43,42-44,fff0-FFFF,7-7");
        ASSERT_TRUE(ranges.ok()) << ranges.message();
        EXPECT_EQ(ranges->codeCount, 3u + 3 + 16);
        const auto codes = ranges->codes();
        ASSERT_EQ(codes.size(), 22u);
        EXPECT_EQ(std::vector<std::uint16_t>(codes.begin(), codes.begin() + 6),
            (std::vector<std::uint16_t> { 0x41, 0x42, 0x43, 0x42, 0x43, 0x44 }));
        EXPECT_EQ(codes.back(), 0xFFFF);
        EXPECT_EQ(ranges->warnings,
            (std::vector<std::string> {
                "the range 7-7 gives no code (TO must be greater than FROM)" }));
    }

    // Rows that give nothing (empty, reversed, text) are left out; the others read back as
    // the grid's codes in the grid's order.
    TEST(RangeList, TheGridsRowsAsAListGiveItsCodes)
    {
        UnicodeRangeGrid grid;
        const char* rows[][2] = { { "4E00", "9FA5" }, { "", "" }, { "7E", "20" }, { "x", "41" },
            { "fff0", "FFFF" }, { "41", "43" }, { "0", "1" } };
        for (int row = 0; row < 7; ++row) {
            grid.setCell(UnicodeRangeGrid::fromColumn, row + 1, rows[row][0]);
            grid.setCell(UnicodeRangeGrid::toColumn, row + 1, rows[row][1]);
        }
        const std::string text = rangeListText(grid);
        EXPECT_EQ(text, "4E00-9FA5,0-41,FFF0-FFFF,41-43,0-1");
        const auto read = parseRangeList(text);
        ASSERT_TRUE(read.ok()) << read.message();
        EXPECT_EQ(read->codes(), grid.codes());
    }

    // Thousands of full ranges are counted, not made: a caller can refuse them before any
    // memory goes to their codes.
    TEST(RangeList, HugeListsAreCountedWithoutMakingTheirCodes)
    {
        for (int copies : { 2000, 18000 }) {
            const auto ranges = parseRangeList(repeated("0-FFFF", copies));
            ASSERT_TRUE(ranges.ok());
            EXPECT_EQ(ranges->codeCount, 65536ull * copies);
            EXPECT_EQ(ranges->ranges.size(), static_cast<std::size_t>(copies));
        }
    }

    TEST(RangeList, MalformedListsAreRefused)
    {
        for (const char* list : { "", "30-3G", "30", "30-39,", ",30-39", "-39", "12345-12346",
                 "30--39", "30-39-41", " 30-39", "30-39 ", "\xff-\xfe" }) {
            const auto ranges = parseRangeList(list);
            ASSERT_FALSE(ranges.ok()) << list;
            EXPECT_EQ(ranges.message().rfind("a range must be FROM-TO in hexadecimal", 0), 0u)
                << ranges.message();
        }
    }

} // namespace
} // namespace tessellon
