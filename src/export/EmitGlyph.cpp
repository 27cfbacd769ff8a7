#include "export/EmitGlyph.h"

#include "export/HexText.h"

#include <algorithm>

namespace tessellon {

std::size_t itemLength(const FontLibInfo& info, ItemForm form)
{
    const std::size_t bytes
        = layoutLength(form.layout, GlyphGeometry::of(info.glyphWidth, info.glyphHeight));
    return form.binary ? bytes : bytes * hexTextBytesPerByte;
}

std::size_t longestItemLength(const FontLibInfo& info)
{
    std::size_t longest = 0;
    for (GlyphLayout layout : { GlyphLayout::Row, GlyphLayout::Packed, GlyphLayout::Column }) {
        longest = std::max(longest, itemLength(info, { layout, false }));
    }
    return longest;
}

std::int32_t EmitGlyph(const ExportSource& source, std::span<std::uint8_t> itemBuffer,
    std::uint32_t index, std::int32_t zip, std::int32_t bin, std::int32_t col)
{
    return GlyphEmitter(source).emit(itemBuffer, index, itemFormFor(zip, bin, col));
}

std::uint16_t GetGlyphCode(const ExportSource& source, std::uint32_t index)
{
    if (index >= source.fontInfo.glyphCount) {
        return 0;
    }
    if (index >= source.codeTable.size()) {
        return static_cast<std::uint16_t>(index & 0xFFFFu);
    }
    return source.codeTable[index];
}

} // namespace tessellon
