#pragma once

#include "document/FontLib.h"
#include "export/ExportChoices.h"
#include "export/GlyphMetrics.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace tessellon {

// The byte layouts of the export targets, for one glyph of a font.

// The ink box's pixels row after row, without padding between rows, the first pixel in the
// most significant bit of the first byte (as Adafruit GFX and LVGL keep 1-bit glyphs).
std::size_t inkBytes(const InkBox& box);
void writeInk(const FontLib& font, std::uint32_t index, const InkBox& box, std::uint8_t* out);

// The whole cell in pages of eight rows, one byte per pixel column per page: page after page
// (each left to right) or column after column (each page by page), bit 0 the top row of its
// page or the bottom one. Rows below the cell leave their bits 0.
std::size_t pageBytes(int width, int height);
void writePages(const FontLib& font, std::uint32_t index, const PageLayout& layout,
    std::span<std::uint8_t> scratch, std::uint8_t* out);

// The whole cell row after row, each padded to whole bytes, the leftmost pixel in bit 7 or
// bit 0, a set bit ink or (inverted) background; padding bits are 0 either way.
std::size_t rowBytes(int width, int height);
void writeRows(
    const FontLib& font, std::uint32_t index, const RowLayout& layout, std::uint8_t* out);

} // namespace tessellon
