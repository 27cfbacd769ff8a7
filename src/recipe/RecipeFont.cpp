#include "recipe/RecipeFont.h"

#include "creation/CharSetReader.h"
#include "creation/NewFontLimits.h"
#include "creation/RangeList.h"
#include "recipe/SourceCharacters.h"

#include <algorithm>
#include <cstring>
#include <unordered_map>
#include <unordered_set>

namespace tessellon {

namespace {

    // Appends the codes not yet in the list.
    class CodeList {
    public:
        void add(std::uint16_t code)
        {
            if (m_seen.insert(code).second) {
                m_codes.push_back(code);
            }
        }
        std::vector<std::uint16_t> take() { return std::move(m_codes); }

    private:
        std::vector<std::uint16_t> m_codes;
        std::unordered_set<std::uint16_t> m_seen;
    };

    Status addSourceCharacters(const Recipe& recipe, CodeList& codes, RecipeCharacters& characters)
    {
        for (const RecipeFile& file : recipe.charsFrom) {
            const auto found = readSourceCharacters(file.path);
            if (!found) {
                return failure(found.message());
            }
            for (char32_t code : *found) {
                if (code > 0xFFFF) {
                    characters.beyond16Bits.push_back(code);
                } else {
                    codes.add(static_cast<std::uint16_t>(code));
                }
            }
        }
        std::sort(characters.beyond16Bits.begin(), characters.beyond16Bits.end());
        characters.beyond16Bits.erase(
            std::unique(characters.beyond16Bits.begin(), characters.beyond16Bits.end()),
            characters.beyond16Bits.end());
        return {};
    }

    std::uint32_t glyphCountOf(std::size_t count) { return static_cast<std::uint32_t>(count); }

} // namespace

Result<RecipeCharacters> recipeCharacters(const Recipe& recipe)
{
    RecipeCharacters characters;
    const bool onlyCharSet = recipe.charSet && !recipe.ranges && recipe.charsFrom.empty();
    characters.all = !recipe.charSet && !recipe.ranges && recipe.charsFrom.empty();
    CodeList codes;
    if (recipe.charSet) {
        const auto read = readCharSetCodes(recipe.charSet->path);
        if (!read) {
            return failure(read.message());
        }
        if (onlyCharSet) {
            characters.charSetFile = recipe.charSet->path;
            characters.codes = *read;
            return characters;
        }
        std::for_each(
            read->begin(), read->end(), [&codes](std::uint16_t code) { codes.add(code); });
    }
    if (recipe.ranges) {
        const auto ranges = parseRangeList(*recipe.ranges);
        if (!ranges) {
            return failure(ranges.message());
        }
        for (std::uint16_t code : ranges->codes()) {
            codes.add(code);
        }
    }
    if (const Status added = addSourceCharacters(recipe, codes, characters); !added) {
        return failure(added.message());
    }
    characters.codes = codes.take();
    return characters;
}

Result<PickedFont> pickGlyphs(
    const FontLib& font, const std::string& fontName, std::span<const std::uint16_t> codes)
{
    if (!font.codeTable) {
        return failure(fontName + " has no code table to find characters in");
    }
    std::unordered_map<std::uint16_t, std::uint32_t> indexOfCode;
    for (std::uint32_t i = 0; i < font.info.glyphCount; ++i) {
        indexOfCode.emplace((*font.codeTable)[i], i);
    }
    PickedFont picked { FontLib::blank(font.info.glyphWidth, font.info.glyphHeight,
                            glyphCountOf(codes.size()), true),
        { fontName, {} } };
    picked.font.baseline = font.baseline;
    for (std::uint32_t i = 0; i < codes.size(); ++i) {
        (*picked.font.codeTable)[i] = codes[i];
        const auto found = indexOfCode.find(codes[i]);
        if (found == indexOfCode.end()) {
            picked.missing.codes.push_back(codes[i]);
            continue;
        }
        const auto glyph = font.glyph(found->second);
        std::copy(glyph.begin(), glyph.end(), picked.font.glyph(i).begin());
    }
    return picked;
}

Result<PickedFont> readBitmapSource(
    const Recipe& recipe, const RecipeCharacters& characters, ReadNotes& notes)
{
    const RecipeFile& file = *recipe.fontFile;
    const FontFileFormat* format = fontFileFormatNamed(file.path);
    FontFileOptions options;
    options.cell = recipe.cell;
    options.offset = recipe.offset;
    auto font = readFontFileAs(*format, file.path, options, notes);
    if (!font) {
        return failure(font.message());
    }
    const std::string name = std::filesystem::path(file.written).filename().string();
    if (characters.all) {
        return PickedFont { std::move(*font), { name, {} } };
    }
    const Status size
        = checkNewFontSize(font->info.glyphWidth, font->info.glyphHeight, characters.codes.size());
    if (!size) {
        return failure(size.message());
    }
    return pickGlyphs(*font, name, characters.codes);
}

Result<OverlayResult> applyOverlay(
    FontLib& font, const FontLib& overlay, const std::string& overlayName)
{
    if (!overlay.codeTable) {
        return failure("The overlay " + overlayName + " has no code table to match its glyphs by");
    }
    if (overlay.info.glyphWidth != font.info.glyphWidth
        || overlay.info.glyphHeight != font.info.glyphHeight) {
        return failure("The overlay " + overlayName + " has glyphs of "
            + std::to_string(overlay.info.glyphWidth) + "x"
            + std::to_string(overlay.info.glyphHeight) + ", the font of "
            + std::to_string(font.info.glyphWidth) + "x" + std::to_string(font.info.glyphHeight));
    }
    std::unordered_map<std::uint16_t, std::uint32_t> overlayIndex;
    for (std::uint32_t i = 0; i < overlay.info.glyphCount; ++i) {
        overlayIndex.emplace((*overlay.codeTable)[i], i);
    }
    OverlayResult result;
    std::unordered_set<std::uint16_t> used;
    for (std::uint32_t i = 0; font.codeTable && i < font.info.glyphCount; ++i) {
        const auto found = overlayIndex.find((*font.codeTable)[i]);
        if (found != overlayIndex.end()) {
            const auto glyph = overlay.glyph(found->second);
            std::copy(glyph.begin(), glyph.end(), font.glyph(i).begin());
            used.insert(found->first);
            ++result.replaced;
        }
    }
    for (std::uint32_t i = 0; i < overlay.info.glyphCount; ++i) {
        const std::uint16_t code = (*overlay.codeTable)[i];
        if (!used.contains(code)) {
            result.unused.push_back(code);
        }
    }
    return result;
}

Result<OverlayResult> applyRecipeOverlay(FontLib& font, const Recipe& recipe)
{
    if (!recipe.overlay) {
        return OverlayResult {};
    }
    ReadNotes notes;
    const auto overlay = readFontFileAs(
        *fontFileFormatNamed(recipe.overlay->path), recipe.overlay->path, {}, notes);
    if (!overlay) {
        return failure(overlay.message());
    }
    return applyOverlay(font, *overlay, recipe.overlay->written);
}

} // namespace tessellon
