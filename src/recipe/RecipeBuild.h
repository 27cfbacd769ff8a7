#pragma once

#include "document/FontLib.h"
#include "document/Result.h"
#include "recipe/BuildStamp.h"
#include "recipe/Recipe.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tessellon {

// The steps of a build once the font is made: hash the inputs, make each output's bytes
// (header and export), then write them or compare them with the files.

// Every input of the recipe as the stamp records it: digests of previous taken for files
// whose size and time it shows unchanged. Hashed before the font is made, so that a file
// changed while it is made shows as changed next time. Fails, naming the file, when one
// cannot be read.
Result<std::vector<StampedInput>> stampRecipeInputs(
    const Recipe& recipe, const BuildStamp* previous);

// The entry of the font file an installed family was drawn from.
Result<StampedInput> stampFaceInput(const std::string& faceFile, const BuildStamp* previous);

struct MadeOutput {
    const RecipeOutput* output = nullptr;
    std::vector<std::uint8_t> bytes;
    Sha256Digest digest {};
};

// Each output's bytes: its header (naming inputs) and the font exported to its target. The
// outputs are made on as many threads as there are cores; they only read the font.
Result<std::vector<MadeOutput>> makeRecipeOutputs(const Recipe& recipe, const FontLib& font,
    const std::vector<StampedInput>& inputs, std::string_view toolVersion,
    std::vector<std::string>& notes);

// The outputs whose files do not hold what was made (missing or different).
std::vector<StaleOutput> compareRecipeOutputs(const std::vector<MadeOutput>& outputs);

// Writes every output whole through the safe writer (making missing folders), the outputs
// on as many threads as there are cores, then the stamp of the build. A folder where an
// output goes is refused before anything is written. When an output cannot be written,
// names the first such; the others may be written and the old stamp stays, so check finds
// them out of date.
Status writeRecipeOutputs(const Recipe& recipe, const std::vector<MadeOutput>& outputs,
    std::vector<StampedInput> inputs, std::string_view toolVersion);

} // namespace tessellon
