#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace tessellon {

// A whole font encoded at once (u8g2's glyph stream, a compact font): the bytes, and how
// many of them are glyph pixels rather than headers, metrics and tables, to the nearest
// byte, for a size report.
struct EncodedFont {
    std::vector<std::uint8_t> bytes;
    std::size_t pixelBytes = 0;
};

} // namespace tessellon
