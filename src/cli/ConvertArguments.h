#pragma once

#include "document/FontFileFormats.h"
#include "document/Result.h"

#include <string>
#include <vector>

namespace tessellon::cli {

// What `tessellon-cli convert` is asked to do: read input and write output, each in the
// format its name's extension gives, with the options the formats take.
struct ConvertArguments {
    std::string input;
    std::string output;
    FontFileOptions options;
};

// Reads the arguments after "convert": IN OUT [--cell WxH] [--offset X,Y] [--ascent N]
// [--columns N] [--first HEX]. Refused, saying why, when they cannot be used.
Result<ConvertArguments> parseConvertArguments(const std::vector<std::string>& args);

} // namespace tessellon::cli
