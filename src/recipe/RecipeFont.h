#pragma once

#include "creation/MissingCharacters.h"
#include "formats/FontFileFormats.h"
#include "document/FontLib.h"
#include "document/Result.h"
#include "recipe/Recipe.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace tessellon {

// The parts of making a recipe's font that draw nothing: the characters it asks for, the
// glyphs taken from a bitmap font, and the hand edits laid over the glyphs.

// The characters of a recipe: those of its character set, its ranges and its source files,
// in that order, each once. A recipe that gives only a character-set file makes its font
// from that file as it is (every unit, in its order); one that gives none takes every glyph
// of its bitmap font (all is set, codes empty).
struct RecipeCharacters {
    bool all = false;
    std::optional<std::string> charSetFile;
    std::vector<std::uint16_t> codes;
    // Characters of the source files beyond U+FFFF: a font's codes have 16 bits.
    std::vector<char32_t> beyond16Bits;
};
Result<RecipeCharacters> recipeCharacters(const Recipe& recipe);

// The bitmap font a recipe names, read with its cell and offset, and its glyphs of the
// characters asked for, in their order; a character the font lacks gets a blank glyph and is
// listed as missing. notes receives what the reader left out.
struct PickedFont {
    FontLib font;
    MissingCharacters missing;
};
Result<PickedFont> readBitmapSource(
    const Recipe& recipe, const RecipeCharacters& characters, ReadNotes& notes);

// The glyphs of font whose codes are asked, as above; refused when the font has no code table
// to find them by.
Result<PickedFont> pickGlyphs(
    const FontLib& font, const std::string& fontName, std::span<const std::uint16_t> codes);

// Lays the glyphs of the overlay over those of font with the same code (every glyph of that
// code); refused, naming the overlay, when its glyphs are of another size or it has no code
// table. Gives the overlay's glyphs whose code the font does not have, which are left out.
struct OverlayResult {
    std::uint32_t replaced = 0;
    std::vector<char32_t> unused;
};
Result<OverlayResult> applyOverlay(
    FontLib& font, const FontLib& overlay, const std::string& overlayName);

// The overlay file of a recipe, read by its extension's format, laid over font.
Result<OverlayResult> applyRecipeOverlay(FontLib& font, const Recipe& recipe);

} // namespace tessellon
