#pragma once

#include "document/FontLib.h"

#include <cstdint>
#include <random>

namespace tessellon::bench {

// The export benchmarks' font: 20,902 glyphs of 16 x 16 (the CJK block U+4E00 to U+9FA5)
// with random pixels.
inline constexpr std::uint32_t cjkGlyphCount = 20902;

inline FontLib cjkFont()
{
    FontLib font = FontLib::blank(16, 16, cjkGlyphCount, true);
    std::mt19937 random(1);
    for (auto& byte : font.pixelData) {
        byte = static_cast<std::uint8_t>(random());
    }
    for (std::uint32_t i = 0; i < cjkGlyphCount; ++i) {
        (*font.codeTable)[i] = static_cast<std::uint16_t>(0x4E00 + i);
    }
    return font;
}

} // namespace tessellon::bench
