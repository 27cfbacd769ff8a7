#include "creation/FontMaking.h"

#include "creation/CharSetReader.h"
#include "creation/NewFontLimits.h"
#include "document/FontLib.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace tessellon {

Result<OpenCharSet> openNewFontCharSet(const std::string& path, int glyphWidth, int glyphHeight)
{
    auto charSet = openCharSetFile(path);
    if (!charSet) {
        return charSet;
    }
    const Status size = checkNewFontSize(glyphWidth, glyphHeight, charSet->measure.glyphCount);
    if (!size) {
        return failure(size.message());
    }
    return charSet;
}

Result<NewFontArrays> claimNewFontArrays(std::span<std::uint8_t> pixelData,
    std::span<std::uint16_t> codeTable, std::uint32_t glyphCount, int glyphWidth, int glyphHeight)
{
    const Status size = checkNewFontSize(glyphWidth, glyphHeight, glyphCount);
    if (!size) {
        return failure(size.message());
    }
    const std::size_t glyphBytes = rowBytesFor(glyphWidth) * static_cast<std::size_t>(glyphHeight);
    if (pixelData.size() / glyphBytes < glyphCount || codeTable.size() < glyphCount) {
        return failure(
            "The font's arrays hold fewer than " + std::to_string(glyphCount) + " glyphs.");
    }
    NewFontArrays font { pixelData.first(glyphBytes * glyphCount), codeTable.first(glyphCount),
        glyphCount, glyphBytes };
    std::fill(font.pixelData.begin(), font.pixelData.end(), std::uint8_t { 0 });
    std::fill(font.codeTable.begin(), font.codeTable.end(), std::uint16_t { 0 });
    return font;
}

void drawCharSet(
    ByteSource& charSet, GlyphSource& glyphs, const NewFontArrays& font, CreateFontRun& run)
{
    CharSetReader reader(charSet);
    run.setFont(font);
    std::vector<std::uint8_t> glyph(font.glyphBytes, 0);
    for (std::uint32_t k = 0; k < font.glyphCount && !run.stopRequested(); ++k) {
        const std::optional<std::uint16_t> code = reader.next();
        if (!code) {
            break;
        }
        std::fill(glyph.begin(), glyph.end(), std::uint8_t { 0 });
        glyphs.drawGlyph(*code, glyph);
        if (!run.handOver(*code, glyph, reader.position())) {
            return;
        }
    }
    run.finishHandOvers();
}

} // namespace tessellon
