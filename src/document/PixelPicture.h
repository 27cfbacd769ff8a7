#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace tessellon {

// A glyph-sized picture as the pixel editor holds it: one byte per pixel, row-major
// (index y * width + x), 1 for ink and 0 for background.

// The picture packed as a glyph's bytes: rows of rowBytesFor(width) bytes, the most
// significant bit leftmost, padding bits 0. Only bytes that equal 1 are ink.
std::vector<std::uint8_t> packPicture(std::span<const std::uint8_t> picture, int width, int height);

// The picture of a packed glyph.
std::vector<std::uint8_t> unpackPicture(std::span<const std::uint8_t> glyph, int width, int height);

} // namespace tessellon
