#pragma once

#include "document/FontLib.h"
#include "document/Result.h"
#include "recipe/Recipe.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace tessellon {

// An output's bytes may not pass this: a script that writes for ever stops here.
inline constexpr std::size_t maxOutputBytes = 256u << 20;

// What an output holds after its header: the font exported to the output's target, in
// memory, so that the file is written whole or not at all. The script target runs the
// output's script (or the default script) over the font; the others export it as
// export --target does, with the output's proportional, baseline and name. Refused, naming the
// output, when the script cannot be read or does not compile, or its run ends early; notes receives
// the script's messages about a run that ended normally (run errors it went on after).
Result<std::vector<std::uint8_t>> exportRecipeOutput(
    const FontLib& font, const RecipeOutput& output, std::vector<std::string>& notes);

// The program's files an output's target places beside it, as export --target does: its
// header, and its decoder when the output asks for it.
std::vector<std::filesystem::path> shippedFilesOf(const RecipeOutput& output);

} // namespace tessellon
