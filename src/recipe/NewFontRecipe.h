#pragma once

#include "recipe/Recipe.h"

#include <optional>
#include <string>

namespace tessellon {

// What the new-font dialog was left with when a font was made: the glyph size and offset,
// the installed family the glyphs were drawn with and how they were hinted, and the
// characters, a shipped character set by its name or the ranges of the range grid.
struct NewFontChoices {
    int glyphWidth = 16;
    int glyphHeight = 16;
    int offsetX = 0;
    int offsetY = 0;
    std::string family;
    int pixelSize = 16;
    bool bold = false;
    bool italic = false;
    std::optional<std::string> charSetName; // "ascii.txt"
    std::string ranges; // "30-39,41-5A", when no set is named
    HintingStyle hinting = HintingStyle::System;

    bool operator==(const NewFontChoices&) const = default;
};

// The recipe that makes that font again, kept at recipePath, with one output of the default
// script beside it: NAME_font.c for NAME.tfont.
Recipe newFontRecipe(const NewFontChoices& choices, const std::string& recipePath);

// Its text, as formatRecipe writes it, under a comment line that names the font.
std::string newFontRecipeText(const NewFontChoices& choices, const std::string& recipePath);

} // namespace tessellon
