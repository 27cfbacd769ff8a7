#pragma once

#include "document/FontLib.h"
#include "document/Result.h"
#include "recipe/Recipe.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace tessellon {

// An output's bytes may not pass this: a script that writes for ever stops here.
inline constexpr std::size_t maxOutputBytes = 256u << 20;

// What an output holds after its header: the font exported to the output's target, in
// memory, so that the file is written whole or not at all. The target is data: the script
// target runs the output's script (or the default script) over the font, and every further
// target of the command line joins here by its name. Refused, naming the output, when the
// script cannot be read or does not compile, or its run ends early; notes receives the
// script's messages about a run that ended normally (run errors it went on after).
Result<std::vector<std::uint8_t>> exportRecipeOutput(
    const FontLib& font, const RecipeOutput& output, std::vector<std::string>& notes);

} // namespace tessellon
