#include "export/GlyphEmitter.h"

#include "export/HexText.h"

namespace tessellon {

namespace {

    constexpr std::size_t maxItemCount = 0x7FFFFFFF;

    std::size_t slotOf(GlyphLayout layout) { return static_cast<std::size_t>(layout); }

} // namespace

ItemForm itemFormFor(std::int32_t zip, std::int32_t bin, std::int32_t col)
{
    ItemForm form;
    if (zip != 0) {
        form.layout = GlyphLayout::Packed;
    } else if (col != 0) {
        form.layout = GlyphLayout::Column;
    }
    form.binary = bin != 0;
    return form;
}

GlyphEmitter::GlyphEmitter(const ExportSource& source)
    : m_source(&source)
    , m_geometry(GlyphGeometry::of(source.fontInfo.glyphWidth, source.fontInfo.glyphHeight))
{
    for (GlyphLayout layout : { GlyphLayout::Row, GlyphLayout::Packed, GlyphLayout::Column }) {
        m_layoutBytes[slotOf(layout)] = layoutLength(layout, m_geometry);
    }
}

std::size_t GlyphEmitter::itemLength(ItemForm form) const
{
    const std::size_t bytes = m_layoutBytes[slotOf(form.layout)];
    return form.binary ? bytes : bytes * hexTextBytesPerByte;
}

// The stored bytes of glyph index, or null when the source does not hold it.
const std::uint8_t* GlyphEmitter::storedGlyph(std::uint32_t index) const
{
    const std::uint64_t glyphBytes = m_geometry.glyphBytes;
    if (index >= m_source->fontInfo.glyphCount || glyphBytes == 0
        || (std::uint64_t { index } + 1) * glyphBytes > m_source->pixelData.size()) {
        return nullptr;
    }
    return m_source->pixelData.data() + index * glyphBytes;
}

std::int32_t GlyphEmitter::emit(
    std::span<std::uint8_t> itemBuffer, std::uint32_t index, ItemForm form) const
{
    const std::uint8_t* glyph = storedGlyph(index);
    const std::size_t count = itemLength(form);
    if (!glyph || count > itemBuffer.size() || count > maxItemCount) {
        return 0;
    }
    const std::size_t bytes = m_layoutBytes[slotOf(form.layout)];
    std::uint8_t* item = itemBuffer.data();
    if (form.binary) {
        writeLayout(form.layout, glyph, m_geometry, item);
    } else if (form.layout == GlyphLayout::Row) {
        writeHexText(glyph, bytes, item);
    } else {
        // Lay the bytes out in the tail of the item and turn them into text in place.
        std::uint8_t* tail = item + count - bytes;
        writeLayout(form.layout, glyph, m_geometry, tail);
        writeHexText(tail, bytes, item);
    }
    return static_cast<std::int32_t>(count);
}

} // namespace tessellon
