#pragma once

#include "creation/FaceFontRequest.h"
#include "creation/NewFontLimits.h"
#include "creation/RangeList.h"
#include "document/Result.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tessellon::cli {

// What `tessellon-cli make` is asked to do: the font, and where it goes.
struct MakeArguments : FaceFontRequest {
    std::string output;
    bool timings = false;
};

// Reads the arguments after "make". Refused, saying why, when they cannot be used; the
// glyph size is checked against what font pixel files can hold.
Result<MakeArguments> parseMakeArguments(const std::vector<std::string>& args);

} // namespace tessellon::cli
