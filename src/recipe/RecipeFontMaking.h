#pragma once

#include "creation/FaceFont.h"
#include "document/FontLib.h"
#include "document/Result.h"
#include "recipe/Recipe.h"
#include "recipe/RecipeFont.h"

#include <optional>
#include <string>
#include <vector>

namespace tessellon {

// Making a recipe's font, the same for `tessellon-cli build` and the editor's Open Recipe:
// drawn from its outline face as make draws it, or taken from its bitmap font, with its hand
// edits laid over it and its baseline.

// What make is asked for to draw a recipe's font.
FaceFontRequest faceFontRequestOf(
    const Recipe& recipe, const RecipeCharacters& characters, bool strict);

// The recipe's font, and the face file of an installed family it was drawn from.
struct RecipeFontMade {
    FontLib font;
    std::optional<std::string> face;
};

// Makes the recipe's font; draw runs the font-making loop for an outline source (call it on
// the GUI thread then). warnings receives what the user should know but does not stop it
// (characters the font lacks, overlay glyphs not in the font, notes of the bitmap reader);
// with strict the first two are errors.
Result<RecipeFontMade> makeRecipeFont(const Recipe& recipe, bool strict, const NewFontDrawer& draw,
    std::vector<std::string>& warnings);

} // namespace tessellon
