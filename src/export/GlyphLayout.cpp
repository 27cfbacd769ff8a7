#include "export/GlyphLayout.h"

#include <algorithm>

namespace tessellon {

namespace {

    struct LeftoverSlots {
        int bits; // width of one row's slot
        int rowsPerByte;
    };

    // The leftover pixels of a row (width mod 8 of them) take a slot of a power-of-two
    // width, so three pixels take four bits.
    LeftoverSlots leftoverSlots(int leftover)
    {
        switch (leftover) {
        case 1:
            return { 1, 8 };
        case 2:
            return { 2, 4 };
        case 3:
        case 4:
            return { 4, 2 };
        default:
            return { 8, 1 };
        }
    }

    std::size_t rowBytes(int width) { return static_cast<std::size_t>(width + 7) / 8; }

    std::size_t leftoverBytes(int width, int height)
    {
        if (width % 8 == 0) {
            return 0;
        }
        const int perByte = leftoverSlots(width % 8).rowsPerByte;
        return static_cast<std::size_t>((height + perByte - 1) / perByte);
    }

    void writeRow(std::span<const std::uint8_t> glyph, std::span<std::uint8_t> out)
    {
        std::copy_n(glyph.begin(), out.size(), out.begin());
    }

    void writePacked(
        std::span<const std::uint8_t> glyph, int width, int height, std::span<std::uint8_t> out)
    {
        const std::size_t stride = rowBytes(width);
        const std::size_t wholeColumns = static_cast<std::size_t>(width / 8);
        auto next = out.begin();
        for (std::size_t column = 0; column < wholeColumns; ++column) {
            for (int row = 0; row < height; ++row) {
                *next++ = glyph[row * stride + column];
            }
        }
        if (width % 8 == 0) {
            return;
        }
        const LeftoverSlots slots = leftoverSlots(width % 8);
        for (int first = 0; first < height; first += slots.rowsPerByte) {
            unsigned packed = 0;
            for (int j = 0; j < slots.rowsPerByte && first + j < height; ++j) {
                packed |= glyph[(first + j) * stride + stride - 1] >> (j * slots.bits);
            }
            *next++ = static_cast<std::uint8_t>(packed);
        }
    }

    void writeColumns(
        std::span<const std::uint8_t> glyph, int width, int height, std::span<std::uint8_t> out)
    {
        const std::size_t stride = rowBytes(width);
        auto next = out.begin();
        for (int top = 0; top < height; top += 8) {
            const int rows = std::min(8, height - top);
            for (int x = 0; x < width; ++x) {
                const std::uint8_t mask = static_cast<std::uint8_t>(0x80u >> (x % 8));
                const std::uint8_t* byte = glyph.data() + top * stride + x / 8;
                unsigned column = 0;
                for (int j = 0; j < rows; ++j, byte += stride) {
                    if (*byte & mask) {
                        column |= 1u << j;
                    }
                }
                *next++ = static_cast<std::uint8_t>(column);
            }
        }
    }

} // namespace

std::size_t layoutLength(GlyphLayout layout, int width, int height)
{
    if (width <= 0 || height <= 0) {
        return 0;
    }
    const auto h = static_cast<std::size_t>(height);
    switch (layout) {
    case GlyphLayout::Row:
        return rowBytes(width) * h;
    case GlyphLayout::Packed:
        return static_cast<std::size_t>(width / 8) * h + leftoverBytes(width, height);
    case GlyphLayout::Column:
        return (h + 7) / 8 * static_cast<std::size_t>(width);
    }
    return 0;
}

void writeLayout(GlyphLayout layout, std::span<const std::uint8_t> glyph, int width, int height,
    std::span<std::uint8_t> out)
{
    switch (layout) {
    case GlyphLayout::Row:
        writeRow(glyph, out);
        break;
    case GlyphLayout::Packed:
        writePacked(glyph, width, height, out);
        break;
    case GlyphLayout::Column:
        writeColumns(glyph, width, height, out);
        break;
    }
}

} // namespace tessellon
