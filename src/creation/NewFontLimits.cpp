#include "creation/NewFontLimits.h"

#include "document/FontLib.h"

namespace tessellon {

Status checkNewFontSize(int glyphWidth, int glyphHeight, std::uint64_t glyphCount)
{
    const std::optional<FontSizeBound> passed
        = fontSizeBoundPassed(glyphWidth, glyphHeight, glyphCount);
    if (!passed) {
        return {};
    }
    switch (*passed) {
    case FontSizeBound::GlyphSide:
        return failure("Glyphs of " + std::to_string(glyphWidth) + " x "
            + std::to_string(glyphHeight) + " pixels cannot be made; width and height must be "
            + std::to_string(minGlyphSide) + " to " + std::to_string(maxGlyphSide) + ".");
    case FontSizeBound::GlyphCount:
        return failure("The character set holds " + std::to_string(glyphCount)
            + " characters; at most " + std::to_string(maxCharSetGlyphs) + " are allowed.");
    case FontSizeBound::PixelBytes:
        break;
    }
    return failure("A font of " + std::to_string(glyphCount) + " glyphs of "
        + std::to_string(glyphWidth) + " x " + std::to_string(glyphHeight) + " pixels needs "
        + std::to_string(fontPixelBytes(glyphWidth, glyphHeight, glyphCount)) + " bytes; at most "
        + std::to_string(maxNewFontPixelBytes) + " are allowed.");
}

} // namespace tessellon
