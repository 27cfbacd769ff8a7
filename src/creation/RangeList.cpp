#include "creation/RangeList.h"

#include "creation/UnicodeRangeGrid.h"
#include "document/OptionValues.h"

namespace tessellon {

Result<RangeList> parseRangeList(const std::string& list)
{
    RangeList parsed;
    for (const std::string& item : split(list, ',')) {
        const auto ends = split(item, '-');
        if (ends.size() != 2 || !isHexCode(ends[0]) || !isHexCode(ends[1])) {
            return failure(
                "a range must be FROM-TO in hexadecimal (1 to 4 digits each), not " + quoted(item));
        }
        const RangeList::Range range { UnicodeRangeGrid::cellValue(ends[0]),
            UnicodeRangeGrid::cellValue(ends[1]) };
        const std::uint32_t size = UnicodeRangeGrid::rangeSize(range.from, range.to);
        if (size == 0) {
            parsed.warnings.push_back(
                "the range " + item + " gives no code (TO must be greater than FROM)");
        }
        parsed.ranges.push_back(range);
        parsed.codeCount += size;
    }
    return parsed;
}

namespace {

    std::string hexCode(std::uint16_t code)
    {
        static constexpr char digits[] = "0123456789ABCDEF";
        std::string text;
        do {
            text.insert(text.begin(), digits[code & 0xF]);
            code = static_cast<std::uint16_t>(code >> 4);
        } while (code != 0);
        return text;
    }

} // namespace

std::string rangeListText(const UnicodeRangeGrid& grid)
{
    std::string text;
    for (int row = 1; row < grid.rowCount(); ++row) {
        const std::uint16_t from
            = UnicodeRangeGrid::cellValue(grid.cell(UnicodeRangeGrid::fromColumn, row));
        const std::uint16_t to
            = UnicodeRangeGrid::cellValue(grid.cell(UnicodeRangeGrid::toColumn, row));
        if (UnicodeRangeGrid::rangeSize(from, to) == 0) {
            continue;
        }
        if (!text.empty()) {
            text += ',';
        }
        text += hexCode(from) + "-" + hexCode(to);
    }
    return text;
}

std::vector<std::uint16_t> RangeList::codes() const
{
    std::vector<std::uint16_t> result;
    result.reserve(codeCount);
    for (const Range& range : ranges) {
        UnicodeRangeGrid::appendRange(range.from, range.to, result);
    }
    return result;
}

} // namespace tessellon
