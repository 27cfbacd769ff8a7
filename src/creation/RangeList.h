#pragma once

#include "document/Result.h"

#include <cstdint>
#include <string>
#include <vector>

namespace tessellon {

// The ranges of a list such as "30-39,41-5A": hexadecimal FROM-TO pairs of one to four
// digits, each giving FROM to TO when TO is greater than FROM (as a row of the range grid
// does). The codes are counted as the list is read, so that a caller can refuse a list
// that gives too many before making them.
struct RangeList {
    struct Range {
        std::uint16_t from = 0;
        std::uint16_t to = 0;
    };
    std::vector<Range> ranges;
    std::uint64_t codeCount = 0;
    std::vector<std::string> warnings; // ranges that give nothing

    std::vector<std::uint16_t> codes() const;
};

// Refused, saying why, for a malformed list.
Result<RangeList> parseRangeList(const std::string& list);

class UnicodeRangeGrid;

// The rows of the grid that give codes, as a list parseRangeList reads back into the same
// codes in the same order: "30-39,41-5A".
std::string rangeListText(const UnicodeRangeGrid& grid);

} // namespace tessellon
