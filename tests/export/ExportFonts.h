#pragma once

#include "FontBuilders.h"
#include "document/FontLib.h"
#include "document/Result.h"
#include "script/Csub.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tessellon::test {

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
