#pragma once

#include <cstdint>

namespace tessellon {

// Layout of a font pixel file: a 16-byte header, the 12-byte FontLibInfo, then the code
// table and the pixel data wherever the header's offsets point.
namespace pix {
    inline constexpr std::uint8_t magic0 = 'F';
    inline constexpr std::uint8_t magic1 = 'T';
    inline constexpr std::uint16_t version = 1;
    inline constexpr std::uint32_t headerSize = 16;
    inline constexpr std::uint32_t infoOffset = 16;
    inline constexpr std::uint32_t sectionsOffset = 28;
    // The header's reserved field (offset 4), which readers of the format do not check,
    // carries the baseline: 'B' 'L' and then the rows of the cell above the baseline,
    // 16 bits. A font whose baseline is unknown keeps the field 0.
    inline constexpr std::uint32_t baselineOffset = 4;
    inline constexpr std::uint8_t baselineTag0 = 'B';
    inline constexpr std::uint8_t baselineTag1 = 'L';

    inline constexpr const char* notFontPixelFileMessage = "This is not an font pixel file!";
} // namespace pix

} // namespace tessellon
