#pragma once

#include "creation/HintingStyle.h"
#include "document/Result.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tessellon::cli {

// What `tessellon-cli make` is asked to do.
struct MakeArguments {
    std::string output;
    int width = 0;
    int height = 0;
    int offsetX = 0;
    int offsetY = 0;
    std::string font; // a family name or the path of a font file
    int pixelSize = 0; // the character height in pixels
    bool bold = false;
    bool italic = false;
    std::optional<std::string> charSetFile;
    std::optional<std::string> ranges;
    HintingStyle hinting = HintingStyle::System;
    bool timings = false;
    // Rows above the baseline, over what the font's ascent and the offset give.
    std::optional<int> baseline;
    // The threads that draw; by default one a processor core.
    std::optional<unsigned> threads;
};

inline constexpr int maxPixelSize = 1024;

// Reads the arguments after "make". Refused, saying why, when they cannot be used; the
// glyph size is checked against what font pixel files can hold.
Result<MakeArguments> parseMakeArguments(const std::vector<std::string>& args);

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

} // namespace tessellon::cli
