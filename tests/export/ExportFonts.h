#pragma once

#include "document/FontLib.h"
#include "document/Result.h"
#include "script/Csub.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tessellon::test {

// A font from pictures: one string per row, '1' for ink; codes given or none.
inline FontLib fontFromRows(
    const std::vector<std::vector<std::string>>& glyphs, const std::vector<std::uint16_t>& codes)
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

// Two 8 x 2 glyphs, codes 0x004A and 0x004B, stored bytes 18 24 and 3C 42.
inline FontLib twoGlyphFont()
{
    return fontFromRows(
        { { "00011000", "00100100" }, { "00111100", "01000010" } }, { 0x004A, 0x004B });
}

// The default script's output for twoGlyphFont: seven lines ended by CR LF.
inline const char* twoGlyphDefaultOutput = "#include \"fontlib.h\"\r\n"
                                           "const unsigned char uc2_004a[] = {0x18,0x24,};\r\n"
                                           "const unsigned char uc2_004b[] = {0x3c,0x42,};\r\n"
                                           "const unsigned char* zk_table[] = {\r\n"
                                           "uc2_004a,\r\n"
                                           "uc2_004b,\r\n"
                                           "};\r\n";

// One 11 x 3 glyph: stored bytes 81 A0 42 60 FF E0.
inline FontLib elevenByThreeFont(std::uint16_t code)
{
    return fontFromRows({ { "10000001101", "01000010011", "11111111111" } }, { code });
}

// Passes when the export ran and ended as expected; otherwise says what happened.
inline testing::AssertionResult endedAs(const Result<ExecuteResult>& run, ExecuteResult expected)
{
    if (!run) {
        return testing::AssertionFailure() << "failed: " << run.message();
    }
    if (*run != expected) {
        return testing::AssertionFailure() << "ended as " << static_cast<int>(*run);
    }
    return testing::AssertionSuccess();
}

} // namespace tessellon::test
