#pragma once

#include "document/Result.h"

#include <cstdint>

namespace tessellon {

// Bounds on what one new font may claim, so that a huge character-set file cannot make the
// program allocate more than it can hold. A character set of a million units is far beyond
// any real one (a 16-bit code space repeated sixteen times).
inline constexpr std::uint32_t maxCharSetGlyphs = 1u << 20;
inline constexpr std::uint64_t maxNewFontPixelBytes = 512ull << 20;

// The largest character height in pixels that a font is drawn at.
inline constexpr int maxPixelSize = 1024;

// Whether a font of glyphCount glyphs of this size may be made; if not, why not.
Status checkNewFontSize(int glyphWidth, int glyphHeight, std::uint64_t glyphCount);

} // namespace tessellon
