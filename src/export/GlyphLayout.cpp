#include "export/GlyphLayout.h"

#include <algorithm>
#include <cstring>

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

    std::size_t leftoverBytes(const GlyphGeometry& geometry)
    {
        if (geometry.width % 8 == 0) {
            return 0;
        }
        const int perByte = leftoverSlots(geometry.width % 8).rowsPerByte;
        return static_cast<std::size_t>((geometry.height + perByte - 1) / perByte);
    }

    // Section A: the whole byte columns, each top to bottom.
    std::uint8_t* writeByteColumns(
        const std::uint8_t* glyph, const GlyphGeometry& geometry, std::uint8_t* out)
    {
        const std::size_t stride = geometry.rowBytes;
        const auto height = static_cast<std::size_t>(geometry.height);
        const auto wholeColumns = static_cast<std::size_t>(geometry.width / 8);
        if (stride == 1) {
            std::memcpy(out, glyph, wholeColumns * height);
        } else if (stride == 2 && wholeColumns == 2) {
            // The most common width, 16: split the rows' two bytes between the two columns.
            for (std::size_t row = 0; row < height; ++row) {
                out[row] = glyph[2 * row];
                out[height + row] = glyph[2 * row + 1];
            }
        } else {
            for (std::size_t column = 0; column < wholeColumns; ++column) {
                for (std::size_t row = 0; row < height; ++row) {
                    out[column * height + row] = glyph[row * stride + column];
                }
            }
        }
        return out + wholeColumns * height;
    }

    void writePacked(const std::uint8_t* glyph, const GlyphGeometry& geometry, std::uint8_t* out)
    {
        const std::size_t stride = geometry.rowBytes;
        const int height = geometry.height;
        out = writeByteColumns(glyph, geometry, out);
        if (geometry.width % 8 == 0) {
            return;
        }
        const LeftoverSlots slots = leftoverSlots(geometry.width % 8);
        const std::uint8_t* last = glyph + stride - 1;
        for (int first = 0; first < height; first += slots.rowsPerByte) {
            unsigned packed = 0;
            const int rows = std::min(slots.rowsPerByte, height - first);
            for (int j = 0; j < rows; ++j) {
                packed |= last[(first + j) * stride] >> (j * slots.bits);
            }
            *out++ = static_cast<std::uint8_t>(packed);
        }
    }

    // Turns eight rows of eight pixels (row j in byte j, leftmost pixel the most
    // significant bit) into eight columns: the result's byte 7 - k, counted from the least
    // significant, holds column k with row j at bit j.
    std::uint64_t transposeBlock(std::uint64_t rows)
    {
        std::uint64_t t = (rows ^ (rows >> 7)) & 0x00AA00AA00AA00AAull;
        rows ^= t ^ (t << 7);
        t = (rows ^ (rows >> 14)) & 0x0000CCCC0000CCCCull;
        rows ^= t ^ (t << 14);
        t = (rows ^ (rows >> 28)) & 0x00000000F0F0F0F0ull;
        return rows ^ t ^ (t << 28);
    }

    void writeColumns(const std::uint8_t* glyph, const GlyphGeometry& geometry, std::uint8_t* out)
    {
        const std::size_t stride = geometry.rowBytes;
        const int width = geometry.width;
        for (int top = 0; top < geometry.height; top += 8) {
            const int rows = std::min(8, geometry.height - top);
            for (int x0 = 0; x0 < width; x0 += 8) {
                const std::uint8_t* byte = glyph + top * stride + x0 / 8;
                std::uint64_t block = 0;
                for (int j = 0; j < rows; ++j, byte += stride) {
                    block |= std::uint64_t { *byte } << (8 * j);
                }
                const std::uint64_t columns = transposeBlock(block);
                const int count = std::min(8, width - x0);
                for (int k = 0; k < count; ++k) {
                    out[x0 + k] = static_cast<std::uint8_t>(columns >> (56 - 8 * k));
                }
            }
            out += width;
        }
    }

} // namespace

GlyphGeometry GlyphGeometry::of(int width, int height)
{
    GlyphGeometry geometry;
    if (width <= 0 || height <= 0) {
        return geometry;
    }
    geometry.width = width;
    geometry.height = height;
    geometry.rowBytes = static_cast<std::size_t>(width + 7) / 8;
    geometry.glyphBytes = geometry.rowBytes * static_cast<std::size_t>(height);
    return geometry;
}

std::size_t layoutLength(GlyphLayout layout, const GlyphGeometry& geometry)
{
    const auto height = static_cast<std::size_t>(geometry.height);
    switch (layout) {
    case GlyphLayout::Row:
        return geometry.glyphBytes;
    case GlyphLayout::Packed:
        return static_cast<std::size_t>(geometry.width / 8) * height + leftoverBytes(geometry);
    case GlyphLayout::Column:
        return (height + 7) / 8 * static_cast<std::size_t>(geometry.width);
    }
    return 0;
}

void writeLayout(
    GlyphLayout layout, const std::uint8_t* glyph, const GlyphGeometry& geometry, std::uint8_t* out)
{
    switch (layout) {
    case GlyphLayout::Row:
        std::memcpy(out, glyph, geometry.glyphBytes);
        break;
    case GlyphLayout::Packed:
        writePacked(glyph, geometry, out);
        break;
    case GlyphLayout::Column:
        writeColumns(glyph, geometry, out);
        break;
    }
}

} // namespace tessellon
