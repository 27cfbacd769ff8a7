#include "creation/UnicodeRangeGrid.h"

namespace tessellon {

namespace {

    int hexDigitValue(char c)
    {
        if (c >= '0' && c <= '9') {
            return c - '0';
        }
        if (c >= 'A' && c <= 'F') {
            return c - 'A' + 10;
        }
        if (c >= 'a' && c <= 'f') {
            return c - 'a' + 10;
        }
        return -1;
    }

    const std::string noText;

} // namespace

UnicodeRangeGrid::UnicodeRangeGrid()
    : m_rows { { "From", "To" }, { "30", "39" }, { "41", "5A" }, { "61", "7A" }, { "", "" } }
{
}

const std::string& UnicodeRangeGrid::cell(int column, int row) const
{
    if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount) {
        return noText;
    }
    return m_rows[row][column];
}

UnicodeRangeGrid::RowChange UnicodeRangeGrid::setCell(int column, int row, std::string text)
{
    if (row < 1 || row >= rowCount() || column < 0 || column >= columnCount) {
        return RowChange::None;
    }
    m_rows[row][column] = std::move(text);
    return keepSpareRow();
}

UnicodeRangeGrid::RowChange UnicodeRangeGrid::keepSpareRow()
{
    const int n = rowCount();
    if (n <= 1) {
        return RowChange::None;
    }
    if (rowIsFull(n - 1)) {
        m_rows.emplace_back();
        return RowChange::Added;
    }
    if (n > 2 && rowIsEmpty(n - 2)) {
        m_rows.pop_back();
        return RowChange::Removed;
    }
    return RowChange::None;
}

bool UnicodeRangeGrid::rowIsFull(int row) const
{
    return !m_rows[row][fromColumn].empty() && !m_rows[row][toColumn].empty();
}

bool UnicodeRangeGrid::rowIsEmpty(int row) const
{
    return m_rows[row][fromColumn].empty() && m_rows[row][toColumn].empty();
}

std::vector<std::uint16_t> UnicodeRangeGrid::codes() const
{
    std::vector<std::uint16_t> result;
    for (int row = 1; row < rowCount(); ++row) {
        appendRange(cellValue(m_rows[row][fromColumn]), cellValue(m_rows[row][toColumn]), result);
    }
    return result;
}

std::uint64_t UnicodeRangeGrid::codeCount() const
{
    std::uint64_t count = 0;
    for (int row = 1; row < rowCount(); ++row) {
        count += rangeSize(cellValue(m_rows[row][fromColumn]), cellValue(m_rows[row][toColumn]));
    }
    return count;
}

std::uint16_t UnicodeRangeGrid::cellValue(std::string_view text)
{
    std::uint16_t value = 0;
    for (std::size_t i = 0; i < text.size() && i < 4; ++i) {
        const int digit = hexDigitValue(text[i]);
        if (digit < 0) {
            break;
        }
        value = static_cast<std::uint16_t>(value * 16 + digit);
    }
    return value;
}

std::uint32_t UnicodeRangeGrid::rangeSize(std::uint16_t from, std::uint16_t to)
{
    return to > from ? std::uint32_t { to } - from + 1 : 0;
}

void UnicodeRangeGrid::appendRange(
    std::uint16_t from, std::uint16_t to, std::vector<std::uint16_t>& codes)
{
    const std::uint32_t size = rangeSize(from, to);
    for (std::uint32_t code = from; code < from + size; ++code) {
        codes.push_back(static_cast<std::uint16_t>(code));
    }
}

} // namespace tessellon
