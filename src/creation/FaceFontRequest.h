#pragma once

#include "creation/HintingStyle.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tessellon {

// A font to be drawn from an outline face, as `tessellon-cli make` and a recipe ask for it:
// the cell, where the character's cell lies in it, the face and its style, and the
// characters (a character-set file, ranges, or the codes one by one).
struct FaceFontRequest {
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
    // Rows above the baseline, over what the font's ascent and the offset give.
    std::optional<int> baseline;
    // The threads that draw; by default one a processor core.
    std::optional<unsigned> threads;
};

} // namespace tessellon
