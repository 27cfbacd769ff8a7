#pragma once

#include "document/FontLib.h"

#include <cstdint>
#include <string>
#include <vector>

// Fonts for tests, standard library only, so that core and Qt tests share them.
namespace tessellon::test {

// A font whose glyphs can be told apart: glyph i has the bits of i + 1 in its first row
// (leftmost pixel the lowest bit) and a pixel at (i mod width, height - 1). Codes are
// 0x41 + i.
inline FontLib numberedFont(int width, int height, std::uint32_t count, bool withCodes = true)
{
    FontLib font = FontLib::blank(width, height, count, withCodes);
    for (std::uint32_t i = 0; i < count; ++i) {
        for (int x = 0; x < width && x < 32; ++x) {
            if (((i + 1) >> x) & 1u) {
                font.setPixel(i, x, 0);
            }
        }
        font.setPixel(i, static_cast<int>(i % width), height - 1);
        if (withCodes) {
            (*font.codeTable)[i] = static_cast<std::uint16_t>(0x41 + i);
        }
    }
    return font;
}

// A font from pictures: one string per row, '1' for ink; the codes given, or no code table.
inline FontLib fontFromRows(const std::vector<std::vector<std::string>>& glyphs,
    const std::vector<std::uint16_t>& codes = {})
{
    const int width = static_cast<int>(glyphs[0][0].size());
    const int height = static_cast<int>(glyphs[0].size());
    FontLib font
        = FontLib::blank(width, height, static_cast<std::uint32_t>(glyphs.size()), !codes.empty());
    for (std::uint32_t g = 0; g < glyphs.size(); ++g) {
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                if (glyphs[g][y][x] == '1') {
                    font.setPixel(g, x, y);
                }
            }
        }
    }
    if (!codes.empty()) {
        *font.codeTable = codes;
    }
    return font;
}

} // namespace tessellon::test
