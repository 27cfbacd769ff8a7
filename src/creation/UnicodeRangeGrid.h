#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tessellon {

// The rows of Unicode ranges typed into the new-font dialog, as plain data: the dialog's
// grid only mirrors it. Row 0 is the header ("From", "To"); every further row is one range
// whose cells hold hexadecimal codes. The model keeps one spare row under the ranges while
// cells are edited.
class UnicodeRangeGrid {
public:
    static constexpr int columnCount = 2;
    static constexpr int fromColumn = 0;
    static constexpr int toColumn = 1;

    enum class RowChange {
        None,
        Added, // one empty row was added at the end
        Removed, // the last row was removed
    };

    // The header, the ranges 30-39, 41-5A and 61-7A (62 codes) and one empty row.
    UnicodeRangeGrid();

    int rowCount() const { return static_cast<int>(m_rows.size()); }
    const std::string& cell(int column, int row) const;

    // Sets the text of a range cell (row 1 and below), then adds or removes one row at the
    // end as needed. Header cells and cells outside the grid are left alone (None).
    RowChange setCell(int column, int row, std::string text);

    // Every code the rows yield, rows from the top, each range ascending.
    std::vector<std::uint16_t> codes() const;
    // How many codes that is, counted without making them.
    std::uint64_t codeCount() const;

    // A cell's value: the hexadecimal digits at the start of its first four characters
    // (an empty cell, or one that starts with anything else, reads 0).
    static std::uint16_t cellValue(std::string_view text);

    // The number of codes a range gives: To - From + 1 when To > From, else 0.
    static std::uint32_t rangeSize(std::uint16_t from, std::uint16_t to);

    // Appends From, From + 1, ..., To when To > From; nothing otherwise. A range ending at
    // 0xFFFF ends there.
    static void appendRange(
        std::uint16_t from, std::uint16_t to, std::vector<std::uint16_t>& codes);

private:
    using Row = std::array<std::string, columnCount>;

    RowChange keepSpareRow();
    bool rowIsFull(int row) const;
    bool rowIsEmpty(int row) const;

    std::vector<Row> m_rows;
};

} // namespace tessellon
