#include "creation/UnicodeRangeGrid.h"

#include <gtest/gtest.h>

namespace tessellon {
namespace {

    using Codes = std::vector<std::uint16_t>;
    using RowChange = UnicodeRangeGrid::RowChange;

    Codes rangeCodes(std::uint32_t from, std::uint32_t to)
    {
        Codes codes;
        for (std::uint32_t code = from; code <= to; ++code) {
            codes.push_back(static_cast<std::uint16_t>(code));
        }
        return codes;
    }

    // A grid whose first range row holds from and to, and nothing else.
    UnicodeRangeGrid gridWith(const std::string& from, const std::string& to)
    {
        UnicodeRangeGrid grid;
        for (int row = 1; row < 4; ++row) {
            grid.setCell(0, row, "");
            grid.setCell(1, row, "");
        }
        grid.setCell(0, 1, from);
        grid.setCell(1, 1, to);
        return grid;
    }

    TEST(UnicodeRangeGrid, StartsWithHeaderThreeRangesAndASpareRow)
    {
        UnicodeRangeGrid grid;
        ASSERT_EQ(grid.rowCount(), 5);
        EXPECT_EQ(grid.cell(0, 0), "From");
        EXPECT_EQ(grid.cell(1, 0), "To");
        EXPECT_EQ(grid.cell(0, 1), "30");
        EXPECT_EQ(grid.cell(1, 1), "39");
        EXPECT_EQ(grid.cell(0, 2), "41");
        EXPECT_EQ(grid.cell(1, 2), "5A");
        EXPECT_EQ(grid.cell(0, 3), "61");
        EXPECT_EQ(grid.cell(1, 3), "7A");
        EXPECT_EQ(grid.cell(0, 4), "");
        EXPECT_EQ(grid.cell(1, 4), "");
    }

    TEST(UnicodeRangeGrid, DefaultRowsYieldDigitsCapitalsAndSmallLetters)
    {
        Codes expected = rangeCodes(0x30, 0x39);
        const Codes capitals = rangeCodes(0x41, 0x5A);
        const Codes smalls = rangeCodes(0x61, 0x7A);
        expected.insert(expected.end(), capitals.begin(), capitals.end());
        expected.insert(expected.end(), smalls.begin(), smalls.end());
        const Codes codes = UnicodeRangeGrid().codes();
        EXPECT_EQ(codes.size(), 62u);
        EXPECT_EQ(codes, expected);
    }

    TEST(UnicodeRangeGrid, CellValueReadsUpToFourHexDigits)
    {
        EXPECT_EQ(UnicodeRangeGrid::cellValue("41"), 0x0041);
        EXPECT_EQ(UnicodeRangeGrid::cellValue("4E00"), 0x4E00);
        EXPECT_EQ(UnicodeRangeGrid::cellValue("4e00"), 0x4E00);
        EXPECT_EQ(UnicodeRangeGrid::cellValue("7"), 0x0007);
        EXPECT_EQ(UnicodeRangeGrid::cellValue("4E0"), 0x04E0);
        EXPECT_EQ(UnicodeRangeGrid::cellValue("12345"), 0x1234);
        EXPECT_EQ(UnicodeRangeGrid::cellValue("ffff"), 0xFFFF);
        EXPECT_EQ(UnicodeRangeGrid::cellValue(""), 0);
    }

    TEST(UnicodeRangeGrid, CellValueStopsAtTheFirstCharacterThatIsNoHexDigit)
    {
        EXPECT_EQ(UnicodeRangeGrid::cellValue("4G"), 0x4);
        EXPECT_EQ(UnicodeRangeGrid::cellValue("G1"), 0);
        EXPECT_EQ(UnicodeRangeGrid::cellValue(" 41"), 0);
        EXPECT_EQ(UnicodeRangeGrid::cellValue("0x41"), 0);
        EXPECT_EQ(UnicodeRangeGrid::cellValue("\xC3\xA9"), 0);
    }

    TEST(UnicodeRangeGrid, RowYieldsOnlyWhenToIsGreaterThanFrom)
    {
        EXPECT_EQ(gridWith("41", "41").codes(), Codes {});
        EXPECT_EQ(gridWith("42", "41").codes(), Codes {});
        EXPECT_EQ(gridWith("", "").codes(), Codes {});
        EXPECT_EQ(gridWith("41", "43").codes(), (Codes { 0x41, 0x42, 0x43 }));
        EXPECT_EQ(gridWith("41", "42").codes(), (Codes { 0x41, 0x42 }));
        EXPECT_EQ(gridWith("", "3").codes(), (Codes { 0, 1, 2, 3 }));
    }

    TEST(UnicodeRangeGrid, RangeEndingAtFFFFDoesNotWrap)
    {
        EXPECT_EQ(gridWith("FFF0", "FFFF").codes(), rangeCodes(0xFFF0, 0xFFFF));
        EXPECT_EQ(gridWith("0", "FFFF").codes().size(), 0x10000u);
    }

    TEST(UnicodeRangeGrid, OverlappingRowsRepeatCodesInRowOrder)
    {
        UnicodeRangeGrid grid = gridWith("41", "43");
        grid.setCell(0, 2, "42");
        grid.setCell(1, 2, "44");
        EXPECT_EQ(grid.codes(), (Codes { 0x41, 0x42, 0x43, 0x42, 0x43, 0x44 }));
    }

    TEST(UnicodeRangeGrid, FillingTheSpareRowAddsAnother)
    {
        UnicodeRangeGrid grid;
        EXPECT_EQ(grid.setCell(0, 4, "100"), RowChange::None);
        EXPECT_EQ(grid.rowCount(), 5);
        EXPECT_EQ(grid.setCell(1, 4, "1"), RowChange::Added);
        EXPECT_EQ(grid.rowCount(), 6);
        EXPECT_EQ(grid.cell(0, 5), "");
        EXPECT_EQ(grid.setCell(1, 4, "17"), RowChange::None);
        EXPECT_EQ(grid.rowCount(), 6);
    }

    TEST(UnicodeRangeGrid, EmptyingTheRowAboveTheSpareRowRemovesTheSpareRow)
    {
        UnicodeRangeGrid grid;
        EXPECT_EQ(grid.setCell(0, 3, ""), RowChange::None);
        EXPECT_EQ(grid.rowCount(), 5);
        EXPECT_EQ(grid.setCell(1, 3, ""), RowChange::Removed);
        EXPECT_EQ(grid.rowCount(), 4);
        // Row 3 is now the last row; emptying row 2 removes it, whatever it holds.
        grid.setCell(0, 3, "99");
        EXPECT_EQ(grid.setCell(0, 2, ""), RowChange::None);
        EXPECT_EQ(grid.setCell(1, 2, ""), RowChange::Removed);
        EXPECT_EQ(grid.rowCount(), 3);
    }

    TEST(UnicodeRangeGrid, HousekeepingRemovesOneRowPerChange)
    {
        UnicodeRangeGrid grid;
        EXPECT_EQ(grid.setCell(0, 2, ""), RowChange::None);
        EXPECT_EQ(grid.setCell(1, 2, ""), RowChange::None);
        EXPECT_EQ(grid.setCell(0, 3, ""), RowChange::None);
        // Rows 2 and 3 are empty now, yet only the spare row goes.
        EXPECT_EQ(grid.setCell(1, 3, ""), RowChange::Removed);
        EXPECT_EQ(grid.rowCount(), 4);
        // Any later change removes the next one.
        EXPECT_EQ(grid.setCell(0, 1, "31"), RowChange::Removed);
        EXPECT_EQ(grid.rowCount(), 3);
        EXPECT_EQ(grid.setCell(0, 1, "30"), RowChange::None);
        EXPECT_EQ(grid.rowCount(), 3);
        EXPECT_EQ(grid.codes(), rangeCodes(0x30, 0x39));
    }

    TEST(UnicodeRangeGrid, GridOfHeaderAndOneRowKeepsItsRow)
    {
        UnicodeRangeGrid grid = gridWith("", "");
        EXPECT_EQ(grid.rowCount(), 2);
        EXPECT_EQ(grid.setCell(0, 1, ""), RowChange::None);
        EXPECT_EQ(grid.rowCount(), 2);
        EXPECT_EQ(grid.setCell(0, 1, "41"), RowChange::None);
        EXPECT_EQ(grid.setCell(1, 1, "42"), RowChange::Added);
        EXPECT_EQ(grid.rowCount(), 3);
    }

    TEST(UnicodeRangeGrid, CodeCountIsTheNumberOfCodesTheRowsYield)
    {
        EXPECT_EQ(UnicodeRangeGrid().codeCount(), 62u);
        EXPECT_EQ(gridWith("42", "41").codeCount(), 0u);
        UnicodeRangeGrid wholePlane = gridWith("0", "FFFF");
        for (int row = 2; row <= 20; ++row) {
            wholePlane.setCell(0, row, "0");
            wholePlane.setCell(1, row, "FFFF");
        }
        // Counted without making 20 x 65,536 codes.
        EXPECT_EQ(wholePlane.codeCount(), 20u * 65536u);
    }

    TEST(UnicodeRangeGrid, HeaderAndCellsOutsideTheGridCannotBeSet)
    {
        UnicodeRangeGrid grid;
        EXPECT_EQ(grid.setCell(0, 0, "41"), RowChange::None);
        EXPECT_EQ(grid.cell(0, 0), "From");
        EXPECT_EQ(grid.setCell(2, 1, "41"), RowChange::None);
        EXPECT_EQ(grid.setCell(0, 5, "41"), RowChange::None);
        EXPECT_EQ(grid.cell(0, 5), "");
        EXPECT_EQ(grid.cell(-1, 1), "");
        EXPECT_EQ(grid.rowCount(), 5);
    }

} // namespace
} // namespace tessellon
