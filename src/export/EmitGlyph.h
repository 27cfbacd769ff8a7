#pragma once

#include "export/ExportSource.h"
#include "export/GlyphEmitter.h"

#include <cstddef>
#include <cstdint>
#include <span>

namespace tessellon {

// Length in bytes of one glyph's item of the font.
std::size_t itemLength(const FontLibInfo& info, ItemForm form);

// The longest item any built-in gives for one glyph of the font.
std::size_t longestItemLength(const FontLibInfo& info);

// Lays glyph index out at the start of itemBuffer in the form the flags select and returns
// the number of bytes placed. An index outside the font, or an item that would not fit the
// buffer whole, gives an empty item (0): nothing is ever cut or written past the buffer.
std::int32_t EmitGlyph(const ExportSource& source, std::span<std::uint8_t> itemBuffer,
    std::uint32_t index, std::int32_t zip, std::int32_t bin, std::int32_t col);

// The character code of glyph index. 0 for an index outside the font; a font without a
// code table gives the index's low 16 bits, so every glyph still gets a distinct name.
std::uint16_t GetGlyphCode(const ExportSource& source, std::uint32_t index);

} // namespace tessellon
