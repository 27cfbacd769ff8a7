#include "creation/NewFontLimits.h"

#include "document/FontLib.h"

namespace tessellon {

Status checkNewFontSize(int glyphWidth, int glyphHeight, std::uint64_t glyphCount)
{
    if (!isSupportedGlyphSize(glyphWidth, glyphHeight)) {
        return failure("Glyphs of " + std::to_string(glyphWidth) + " x "
            + std::to_string(glyphHeight) + " pixels cannot be made; width and height must be "
            + std::to_string(minGlyphSide) + " to " + std::to_string(maxGlyphSide) + ".");
    }
    if (glyphCount > maxCharSetGlyphs) {
        return failure("The character set holds " + std::to_string(glyphCount)
            + " characters; at most " + std::to_string(maxCharSetGlyphs) + " are allowed.");
    }
    const std::uint64_t bytes
        = rowBytesFor(glyphWidth) * static_cast<std::uint64_t>(glyphHeight) * glyphCount;
    if (bytes > maxNewFontPixelBytes) {
        return failure("A font of " + std::to_string(glyphCount) + " glyphs of "
            + std::to_string(glyphWidth) + " x " + std::to_string(glyphHeight) + " pixels needs "
            + std::to_string(bytes) + " bytes; at most " + std::to_string(maxNewFontPixelBytes)
            + " are allowed.");
    }
    return {};
}

} // namespace tessellon
