#pragma once

#include "document/Result.h"
#include "formats/FontFileFormats.h"

#include <optional>
#include <string>
#include <vector>

namespace tessellon::cli {

// What `tessellon-cli convert` is asked to do: read input and write output, each in the
// format its name's extension gives, with the options the formats take.
struct ConvertArguments {
    std::string input;
    std::string output;
    FontFileOptions options;
    // Rows above the baseline the output font gets, over what the input gives.
    std::optional<int> baseline;
};

// Reads the arguments after "convert": IN OUT [--cell WxH] [--offset X,Y] [--ascent N]
// [--columns N] [--first HEX] [--baseline N]. Refused, saying why, when they cannot be used.
Result<ConvertArguments> parseConvertArguments(const std::vector<std::string>& args);

} // namespace tessellon::cli
