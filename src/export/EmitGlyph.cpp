#include "export/EmitGlyph.h"

#include "export/HexText.h"

#include <algorithm>

namespace tessellon {

namespace {

    std::size_t glyphBytesOf(const FontLibInfo& info)
    {
        return rowBytesFor(info.glyphWidth) * info.glyphHeight;
    }

    // The stored bytes of glyph index, or an empty span when the source does not hold it.
    std::span<const std::uint8_t> storedGlyph(const ExportSource& source, std::uint32_t index)
    {
        const std::uint64_t glyphBytes = glyphBytesOf(source.fontInfo);
        if (index >= source.fontInfo.glyphCount || glyphBytes == 0
            || (std::uint64_t { index } + 1) * glyphBytes > source.pixelData.size()) {
            return {};
        }
        return source.pixelData.subspan(index * glyphBytes, glyphBytes);
    }

    constexpr std::size_t maxItemCount = 0x7FFFFFFF;

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

std::size_t itemLength(const FontLibInfo& info, ItemForm form)
{
    const std::size_t bytes = layoutLength(form.layout, info.glyphWidth, info.glyphHeight);
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
    const std::span<const std::uint8_t> glyph = storedGlyph(source, index);
    const ItemForm form = itemFormFor(zip, bin, col);
    const std::size_t count = itemLength(source.fontInfo, form);
    if (glyph.empty() || count > itemBuffer.size() || count > maxItemCount) {
        return 0;
    }
    const int width = source.fontInfo.glyphWidth;
    const int height = source.fontInfo.glyphHeight;
    const std::size_t bytes = layoutLength(form.layout, width, height);
    std::uint8_t* item = itemBuffer.data();
    if (form.binary) {
        writeLayout(form.layout, glyph, width, height, { item, bytes });
    } else if (form.layout == GlyphLayout::Row) {
        writeHexText(glyph.data(), bytes, item);
    } else {
        // Lay the bytes out in the tail of the item and turn them into text in place.
        std::uint8_t* tail = item + count - bytes;
        writeLayout(form.layout, glyph, width, height, { tail, bytes });
        writeHexText(tail, bytes, item);
    }
    return static_cast<std::int32_t>(count);
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
