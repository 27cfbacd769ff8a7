#pragma once

#include "document/FontLib.h"
#include "document/RgbImage.h"

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace tessellon {

// New contents for count consecutive glyphs from first on: their packed bytes, glyph after
// glyph (count * glyphBytes), and, when codes is set, their character codes (count).
struct GlyphRun {
    std::uint32_t first = 0;
    std::uint32_t count = 0;
    std::vector<std::uint8_t> pixels;
    std::optional<std::vector<std::uint16_t>> codes;

    bool operator==(const GlyphRun&) const = default;
};

// A replacement of glyphs, its runs applied in order. FontDocument::replaceGlyphs applies
// one and gives back the change that restores what was there.
struct GlyphChange {
    std::vector<GlyphRun> runs;

    bool empty() const { return runs.empty(); }
    bool operator==(const GlyphChange&) const = default;
};

// Glyphs first to first + count - 1 as they are now, with their codes when withCodes is set
// and the font has a code table. The range must lie inside the font.
GlyphRun copyGlyphs(const FontLib& font, std::uint32_t first, std::uint32_t count, bool withCodes);

// A glyph-sized tile of a picture, by its top-left pixel, and the glyph it is read into.
struct GlyphTile {
    int x0 = 0;
    int y0 = 0;
    std::uint32_t index = 0;
};

// The change that makes each tile's glyph what the picture shows there: only exactly black
// pixels are ink, and pixels outside the picture are background. Tiles of glyphs at or
// beyond glyphCount are skipped; tiles of consecutive glyphs, in order, share one run.
GlyphChange changeFromImage(
    const FontLib& font, const RgbImage& image, std::span<const GlyphTile> tiles);

} // namespace tessellon
