#include "export/TargetLayouts.h"

#include "export/GlyphLayout.h"

#include <algorithm>

namespace tessellon {

namespace {

    std::uint8_t reversedBits(std::uint8_t byte)
    {
        byte = static_cast<std::uint8_t>((byte & 0xF0) >> 4 | (byte & 0x0F) << 4);
        byte = static_cast<std::uint8_t>((byte & 0xCC) >> 2 | (byte & 0x33) << 2);
        return static_cast<std::uint8_t>((byte & 0xAA) >> 1 | (byte & 0x55) << 1);
    }

    // The bits of pixels x .. x + 7 of a stored row, the first in the most significant bit;
    // pixels past the row's bytes read as 0.
    std::uint8_t eightPixels(std::span<const std::uint8_t> row, int x)
    {
        const std::size_t at = static_cast<std::size_t>(x / 8);
        const int shift = x % 8;
        const unsigned high = at < row.size() ? row[at] : 0u;
        const unsigned low = at + 1 < row.size() ? row[at + 1] : 0u;
        return static_cast<std::uint8_t>((high << shift | low >> (8 - shift)) & 0xFF);
    }

    // Packs bits into bytes, the first bit in the most significant place of each byte.
    class BitPacker {
    public:
        explicit BitPacker(std::uint8_t* out)
            : m_out(out)
        {
        }

        // The count (1 to 8) most significant bits of value.
        void append(std::uint8_t value, int count)
        {
            m_bits = (m_bits << count) | (value >> (8 - count));
            m_count += count;
            if (m_count >= 8) {
                m_count -= 8;
                *m_out++ = static_cast<std::uint8_t>(m_bits >> m_count);
                m_bits &= (1u << m_count) - 1;
            }
        }

        // The last bits, in the high places of a byte of their own.
        void finish()
        {
            if (m_count > 0) {
                *m_out++ = static_cast<std::uint8_t>(m_bits << (8 - m_count));
                m_count = 0;
                m_bits = 0;
            }
        }

    private:
        std::uint8_t* m_out;
        unsigned m_bits = 0;
        int m_count = 0;
    };

} // namespace

std::size_t inkBytes(const InkBox& box)
{
    return (static_cast<std::size_t>(box.width) * static_cast<std::size_t>(box.height) + 7) / 8;
}

void writeInk(const FontLib& font, std::uint32_t index, const InkBox& box, std::uint8_t* out)
{
    const auto glyph = font.glyph(index);
    const std::size_t stride = font.rowBytes();
    BitPacker packer(out);
    for (int y = box.y; y < box.bottom(); ++y) {
        const auto row = glyph.subspan(y * stride, stride);
        for (int x = box.x; x < box.right(); x += 8) {
            packer.append(eightPixels(row, x), std::min(8, box.right() - x));
        }
    }
    packer.finish();
}

std::size_t pageBytes(int width, int height)
{
    return layoutLength(GlyphLayout::Column, GlyphGeometry::of(width, height));
}

void writePages(const FontLib& font, std::uint32_t index, const PageLayout& layout,
    std::span<std::uint8_t> scratch, std::uint8_t* out)
{
    const GlyphGeometry geometry = GlyphGeometry::of(font.info.glyphWidth, font.info.glyphHeight);
    const std::size_t count = pageBytes(geometry.width, geometry.height);
    std::uint8_t* pages = layout.byColumns ? scratch.data() : out;
    writeLayout(GlyphLayout::Column, font.glyph(index).data(), geometry, pages);
    if (layout.bit0Bottom) {
        std::transform(pages, pages + count, pages, reversedBits);
    }
    if (layout.byColumns) {
        const std::size_t pageCount = count / static_cast<std::size_t>(geometry.width);
        for (std::size_t page = 0; page < pageCount; ++page) {
            for (std::size_t x = 0; x < static_cast<std::size_t>(geometry.width); ++x) {
                out[x * pageCount + page] = pages[page * geometry.width + x];
            }
        }
    }
}

std::size_t rowBytes(int width, int height)
{
    return rowBytesFor(width) * static_cast<std::size_t>(height);
}

void writeRows(const FontLib& font, std::uint32_t index, const RowLayout& layout, std::uint8_t* out)
{
    const auto glyph = font.glyph(index);
    const int width = font.info.glyphWidth;
    const std::size_t stride = font.rowBytes();
    for (std::size_t at = 0; at < glyph.size(); ++at) {
        const int pixelsInByte = std::min(8, width - static_cast<int>(at % stride) * 8);
        const auto pixels = static_cast<std::uint8_t>(0xFF00u >> pixelsInByte);
        std::uint8_t byte = glyph[at] & pixels;
        if (layout.inverted) {
            byte ^= pixels;
        }
        out[at] = layout.lsbFirst ? reversedBits(byte) : byte;
    }
}

} // namespace tessellon
