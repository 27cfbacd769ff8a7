#pragma once

#include "document/FontLib.h"

// The font the editor benchmarks work on: 65,536 glyphs of 16 x 16, every one different, each
// with its index as its code.
namespace tessellon::bench {

inline constexpr std::uint32_t fullGlyphCount = 65536;
inline constexpr int fullGlyphSide = 16;

inline FontLib fullFont()
{
    FontLib font = FontLib::blank(fullGlyphSide, fullGlyphSide, fullGlyphCount, true);
    for (std::uint32_t i = 0; i < fullGlyphCount; ++i) {
        auto bytes = font.glyph(i);
        for (std::size_t b = 0; b < bytes.size(); ++b) {
            bytes[b] = static_cast<std::uint8_t>((i * 131 + b * 17) ^ (i >> 3));
        }
        (*font.codeTable)[i] = static_cast<std::uint16_t>(i);
    }
    return font;
}

} // namespace tessellon::bench
