#pragma once

#include <array>
#include <cstdint>

namespace tessellon {

// The font information record: 12 bytes, little-endian, the same in a .pix file and in
// what the export receives. The defaults are those of a child window before any font.
struct FontLibInfo {
    std::uint32_t glyphCount = 0;
    std::uint16_t codeTableFlag = 0;
    std::uint16_t reserved = 0;
    std::uint16_t glyphWidth = 16;
    std::uint16_t glyphHeight = 16;

    static constexpr std::size_t encodedSize = 12;

    std::array<std::uint8_t, encodedSize> encode() const;
    static FontLibInfo decode(const std::uint8_t* bytes);

    bool operator==(const FontLibInfo&) const = default;
};

} // namespace tessellon
