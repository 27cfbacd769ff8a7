#pragma once

#include "creation/HintingStyle.h"
#include "creation/NewFontLimits.h"
#include "creation/RangeList.h"
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
    // The characters one by one, in their order: not an option, but what a recipe gives.
    std::optional<std::vector<std::uint16_t>> codes;
    HintingStyle hinting = HintingStyle::System;
    bool strict = false; // characters the font lacks are an error
    bool timings = false;
    // Rows above the baseline, over what the font's ascent and the offset give.
    std::optional<int> baseline;
    // The threads that draw; by default one a processor core.
    std::optional<unsigned> threads;
};

// Reads the arguments after "make". Refused, saying why, when they cannot be used; the
// glyph size is checked against what font pixel files can hold.
Result<MakeArguments> parseMakeArguments(const std::vector<std::string>& args);

} // namespace tessellon::cli
