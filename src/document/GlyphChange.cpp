#include "document/GlyphChange.h"

namespace tessellon {

GlyphRun copyGlyphs(const FontLib& font, std::uint32_t first, std::uint32_t count, bool withCodes)
{
    GlyphRun run { first, count, {}, {} };
    const auto begin = font.pixelData.begin() + first * font.glyphBytes();
    run.pixels.assign(begin, begin + count * font.glyphBytes());
    if (withCodes && font.codeTable) {
        const auto codes = font.codeTable->begin() + first;
        run.codes.emplace(codes, codes + count);
    }
    return run;
}

GlyphChange changeFromImage(
    const FontLib& font, const RgbImage& image, std::span<const GlyphTile> tiles)
{
    GlyphChange change;
    const std::size_t glyphBytes = font.glyphBytes();
    for (const GlyphTile& tile : tiles) {
        if (!font.hasGlyph(tile.index)) {
            continue;
        }
        if (change.empty() || change.runs.back().first + change.runs.back().count != tile.index) {
            change.runs.push_back({ tile.index, 0, {}, {} });
        }
        GlyphRun& run = change.runs.back();
        run.pixels.resize(run.pixels.size() + glyphBytes);
        readGlyphBits(image, tile.x0, tile.y0, font.info.glyphWidth, font.info.glyphHeight,
            std::span(run.pixels).last(glyphBytes));
        ++run.count;
    }
    return change;
}

} // namespace tessellon
