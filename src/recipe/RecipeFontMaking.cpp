#include "recipe/RecipeFontMaking.h"

#include "creation/MissingCharacters.h"

#include <utility>

namespace tessellon {

namespace {

    Result<RecipeFontMade> readBitmap(const Recipe& recipe, const RecipeCharacters& characters,
        bool strict, std::vector<std::string>& warnings)
    {
        ReadNotes notes;
        auto picked = readBitmapSource(recipe, characters, notes);
        for (const std::string& note : notes) {
            warnings.push_back(recipe.fontFile->written + ": " + note);
        }
        if (!picked) {
            return failure(picked.message());
        }
        if (strict && !picked->missing.empty()) {
            return failure(missingCharactersText(picked->missing));
        }
        if (!picked->missing.empty()) {
            warnings.push_back(missingCharactersText(picked->missing));
        }
        return RecipeFontMade { std::move(picked->font), std::nullopt };
    }

    Result<RecipeFontMade> drawFace(const Recipe& recipe, const RecipeCharacters& characters,
        bool strict, const NewFontDrawer& draw, std::vector<std::string>& warnings)
    {
        const FaceFontRequest request = faceFontRequestOf(recipe, characters, strict);
        auto charSet = chooseFaceCharSet(request, warnings);
        if (!charSet) {
            return failure(charSet.message());
        }
        auto made = makeFaceFont(request, charSet->path, draw);
        if (!made) {
            return failure(made.message());
        }
        if (made->substitution) {
            warnings.push_back(*made->substitution);
        }
        if (!made->missing.empty()) {
            warnings.push_back(missingCharactersText(made->missing));
        }
        const bool family = recipe.source == RecipeSource::Family;
        return RecipeFontMade { std::move(made->font),
            family ? std::optional(made->face.path) : std::nullopt };
    }

    Result<RecipeFontMade> drawOrRead(const Recipe& recipe, const RecipeCharacters& characters,
        bool strict, const NewFontDrawer& draw, std::vector<std::string>& warnings)
    {
        if (recipe.source == RecipeSource::BitmapFile) {
            return readBitmap(recipe, characters, strict, warnings);
        }
        return drawFace(recipe, characters, strict, draw, warnings);
    }

} // namespace

FaceFontRequest faceFontRequestOf(
    const Recipe& recipe, const RecipeCharacters& characters, bool strict)
{
    FaceFontRequest request;
    request.width = recipe.cell->width;
    request.height = recipe.cell->height;
    request.offsetX = recipe.offset ? recipe.offset->x : 0;
    request.offsetY = recipe.offset ? recipe.offset->y : 0;
    request.font = recipe.source == RecipeSource::Family ? recipe.family : recipe.fontFile->path;
    request.pixelSize = *recipe.pixelSize;
    request.bold = recipe.bold;
    request.italic = recipe.italic;
    request.hinting = recipe.hinting;
    request.strict = strict;
    if (characters.charSetFile) {
        request.charSetFile = characters.charSetFile;
    } else {
        request.codes = characters.codes;
    }
    return request;
}

Result<RecipeFontMade> makeRecipeFont(const Recipe& recipe, bool strict, const NewFontDrawer& draw,
    std::vector<std::string>& warnings)
{
    const auto characters = recipeCharacters(recipe);
    if (!characters) {
        return failure(characters.message());
    }
    if (!characters->beyond16Bits.empty()) {
        const std::string text = std::to_string(characters->beyond16Bits.size())
            + " characters of the source files lie beyond U+FFFF, which a font cannot hold: "
            + codeListText(characters->beyond16Bits);
        if (strict) {
            return failure(text);
        }
        warnings.push_back(text);
    }
    auto made = drawOrRead(recipe, *characters, strict, draw, warnings);
    if (!made) {
        return made;
    }
    const auto overlaid = applyRecipeOverlay(made->font, recipe);
    if (!overlaid) {
        return failure(overlaid.message());
    }
    if (!overlaid->unused.empty()) {
        warnings.push_back(std::to_string(overlaid->unused.size()) + " glyphs of the overlay "
            + recipe.overlay->written + " are not in the font: " + codeListText(overlaid->unused));
    }
    if (recipe.baseline) {
        made->font.baseline = recipe.baseline;
    }
    return made;
}

} // namespace tessellon
