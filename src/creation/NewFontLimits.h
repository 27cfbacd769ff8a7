#pragma once

#include "document/FontLib.h"
#include "document/Result.h"

#include <cstdint>

namespace tessellon {

// The largest character height in pixels that a font is drawn at.
inline constexpr int maxPixelSize = 1024;

// Whether a font of glyphCount glyphs of this size may be made (fontSizeBoundPassed); if not,
// why not.
Status checkNewFontSize(int glyphWidth, int glyphHeight, std::uint64_t glyphCount);

} // namespace tessellon
