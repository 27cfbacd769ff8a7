#pragma once

#include "document/Result.h"
#include "export/ExportChoices.h"

#include <optional>
#include <string>
#include <vector>

namespace tessellon::cli {

// What `tessellon-cli export` is asked to do: run a script over a font into a file; with a
// target, that target's script (or the one given) with the target's built-ins and choices.
struct ExportArguments {
    std::string fontPath;
    std::string outputPath;
    std::optional<std::string> scriptPath;
    std::optional<double> maxSeconds;
    std::optional<std::string> target;
    ExportChoices choices;
    // Place the target's shipped decoder beside the output.
    bool withDecoder = false;
};

// Reads the arguments after "export": FONT.pix -o OUT [-s SCRIPT.spt] [--max-seconds N]
// [--target T [--proportional [GAP]] [--space N] [--baseline N] [--name IDENT]
// [--bit0 top|bottom] [--order pages|columns] [--first-bit msb|lsb] [--inverted]
// [--with-decoder]].
// The choices need --target, and those of pages and rows need that target; anything else is
// refused, saying why.
Result<ExportArguments> parseExportArguments(const std::vector<std::string>& args);

} // namespace tessellon::cli
