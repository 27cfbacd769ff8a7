#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace tessellon {

// Where a new font's glyphs go: views of the font's arrays, not the arrays themselves. In
// the editor they are views into the font of a child window's font-making sequence, valid
// while that window's modal progress dialog runs (the window waits for the run to stop
// before it uses or frees the font).
struct NewFontArrays {
    std::span<std::uint8_t> pixelData; // glyphCount * glyphBytes bytes
    std::span<std::uint16_t> codeTable; // glyphCount codes
    std::uint32_t glyphCount = 0;
    std::size_t glyphBytes = 0;
};

} // namespace tessellon
