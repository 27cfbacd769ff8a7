#include "recipe/NewFontRecipe.h"

#include <filesystem>

namespace tessellon {

namespace {

    RecipeOutput defaultOutputOf(const std::string& recipePath)
    {
        RecipeOutput output;
        output.file.written = std::filesystem::path(recipePath).stem().string() + "_font.c";
        output.target = defaultOutputTargetName;
        return output;
    }

} // namespace

Recipe newFontRecipe(const NewFontChoices& choices, const std::string& recipePath)
{
    Recipe recipe;
    recipe.path = recipePath;
    recipe.source = RecipeSource::Family;
    recipe.family = choices.family;
    recipe.pixelSize = choices.pixelSize;
    recipe.cell = GlyphSize { choices.glyphWidth, choices.glyphHeight };
    recipe.offset = CellOffset { choices.offsetX, choices.offsetY };
    recipe.bold = choices.bold;
    recipe.italic = choices.italic;
    recipe.hinting = choices.hinting;
    if (choices.charSetName) {
        recipe.charSet = RecipeFile { *choices.charSetName, {}, 0 };
    } else {
        recipe.ranges = choices.ranges;
    }
    recipe.outputs.push_back(defaultOutputOf(recipePath));
    return recipe;
}

std::string newFontRecipeText(const NewFontChoices& choices, const std::string& recipePath)
{
    const std::string name = std::filesystem::path(recipePath).filename().string();
    return "# " + name + ": a font made with File > New, " + choices.family + " "
        + std::to_string(choices.pixelSize) + " px\n"
        + formatRecipe(newFontRecipe(choices, recipePath));
}

} // namespace tessellon
