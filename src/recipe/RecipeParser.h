#pragma once

#include "document/Result.h"
#include "recipe/Recipe.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace tessellon {

// The text of a recipe: UTF-8 lines of "key = value", blank lines and comment lines
// starting with '#'; keys before the first "[output]" line describe the font, each
// "[output]" line starts the keys of one output:
//
//   font = DejaVuSansMono.ttf     (or: family = DejaVu Sans Mono)
//   size = 12
//   cell = 8x14
//   chars-from = ../src/main.c
//   [output]
//   file = ui_font.c
//
// Every refusal reads "PATH:LINE: reason" ("PATH: reason" for what the whole recipe lacks):
// an unknown key or section, a value that cannot be used, a key given twice, a file the
// recipe names that is not there, an output that is one of the inputs or another output.

// Where a recipe's files are: the program's shipped character sets, and the folder its
// outputs go to (empty: the recipe's own folder).
struct RecipePlaces {
    std::filesystem::path dataFolder;
    std::filesystem::path outputFolder;
};

inline constexpr std::uint64_t maxRecipeBytes = 1 << 20;

Result<Recipe> parseRecipe(
    std::string_view text, const std::string& path, const RecipePlaces& places);

// Reads the recipe file at path (a regular file of at most maxRecipeBytes) and parses it.
Result<Recipe> readRecipeFile(const std::string& path, const RecipePlaces& places);

} // namespace tessellon
