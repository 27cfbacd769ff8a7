#pragma once

#include "recipe/Recipe.h"
#include "recipe/Sha256.h"

#include <string>
#include <string_view>
#include <vector>

namespace tessellon {

// An input of an output as its header names it: as the recipe writes it (a face of an
// installed family: its file name) and its SHA-256.
struct HashedInput {
    std::string name;
    Sha256Digest digest {};
};

// The comment every output starts with: which tool made it from which recipe, the recipe's
// font keys and the output's section, and the SHA-256 of every input. It holds no time and
// no folder, so the same recipe and inputs give the same bytes anywhere. A C comment
// (" * " lines, with any "*/" in a value broken up), lines starting "# ", or nothing, as the
// output's comment key says.
std::string outputHeader(const Recipe& recipe, const RecipeOutput& output,
    const std::vector<HashedInput>& inputs, std::string_view toolVersion);

} // namespace tessellon
