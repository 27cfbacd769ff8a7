#pragma once

#include "export/ExportSource.h"
#include "export/GlyphLayout.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace tessellon {

// One of the six glyph built-ins: a layout in text form ("0x%02x," per byte) or binary.
struct ItemForm {
    GlyphLayout layout = GlyphLayout::Row;
    bool binary = false;

    bool operator==(const ItemForm&) const = default;
};

// The form the flags of a glyph built-in select: zip wins over col; a flag is set when
// non-zero.
ItemForm itemFormFor(std::int32_t zip, std::int32_t bin, std::int32_t col);

// Lays glyphs of one source out as items, with the font's geometry worked out once: the
// emitter a whole export run calls for every PUTITEM. The source must outlive it.
class GlyphEmitter {
public:
    explicit GlyphEmitter(const ExportSource& source);

    // Length in bytes of one glyph's item in form.
    std::size_t itemLength(ItemForm form) const;

    // Lays glyph index out at the start of itemBuffer and returns the number of bytes
    // placed. An index outside the font, or an item that would not fit the buffer whole,
    // gives an empty item (0): nothing is ever cut or written past the buffer.
    std::int32_t emit(std::span<std::uint8_t> itemBuffer, std::uint32_t index, ItemForm form) const;

private:
    const std::uint8_t* storedGlyph(std::uint32_t index) const;

    const ExportSource* m_source;
    GlyphGeometry m_geometry;
    std::array<std::size_t, 3> m_layoutBytes {};
};

} // namespace tessellon
