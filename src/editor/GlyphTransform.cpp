#include "editor/GlyphTransform.h"

#include "document/PixelPicture.h"

#include <algorithm>
#include <array>

namespace tessellon {

namespace {

    using Row = std::span<std::uint8_t>;

    // The bits of a row's last byte that are pixels, not padding.
    std::uint8_t lastByteMask(int width)
    {
        const int used = width % 8;
        return used == 0 ? 0xff : static_cast<std::uint8_t>(0xff << (8 - used));
    }

    std::uint8_t reversedBits(std::uint8_t byte)
    {
        static constexpr auto table = [] {
            std::array<std::uint8_t, 256> reversed {};
            for (int value = 0; value < 256; ++value) {
                int bits = 0;
                for (int bit = 0; bit < 8; ++bit) {
                    bits |= ((value >> bit) & 1) << (7 - bit);
                }
                reversed[value] = static_cast<std::uint8_t>(bits);
            }
            return reversed;
        }();
        return table[byte];
    }

    // Moves every bit of the row count places (1 to 7) toward the leftmost pixel.
    void shiftBitsLeft(Row row, int count)
    {
        for (std::size_t i = 0; i < row.size(); ++i) {
            const unsigned next = i + 1 < row.size() ? row[i + 1] : 0u;
            row[i] = static_cast<std::uint8_t>((row[i] << count) | (next >> (8 - count)));
        }
    }

    // Moves every bit one place toward the rightmost pixel; the bit that leaves the last
    // pixel is cleared.
    void shiftRowRight(Row row, int width)
    {
        for (std::size_t i = row.size(); i-- > 0;) {
            const unsigned previous = i > 0 ? row[i - 1] : 0u;
            row[i] = static_cast<std::uint8_t>((row[i] >> 1) | (previous << 7));
        }
        row.back() &= lastByteMask(width);
    }

    void flipRow(Row row, int width)
    {
        // The bytes in reverse order, each with its bits reversed, in one pass.
        for (std::size_t left = 0, right = row.size() - 1; left <= right && right < row.size();
             ++left, --right) {
            const std::uint8_t leftBits = reversedBits(row[left]);
            row[left] = reversedBits(row[right]);
            row[right] = leftBits;
        }
        // The padding, now at the left, goes back to the right.
        const int padding = static_cast<int>(row.size()) * 8 - width;
        if (padding > 0) {
            shiftBitsLeft(row, padding);
        }
    }

    void invertRow(Row row, int width)
    {
        for (std::uint8_t& byte : row) {
            byte = static_cast<std::uint8_t>(~byte);
        }
        row.back() &= lastByteMask(width);
    }

    void emboldenRow(Row row, int width)
    {
        for (std::size_t i = row.size(); i-- > 0;) {
            const unsigned previous = i > 0 ? row[i - 1] : 0u;
            row[i] = static_cast<std::uint8_t>(row[i] | (row[i] >> 1) | (previous << 7));
        }
        row.back() &= lastByteMask(width);
    }

    template <typename RowOperation>
    void forEachRow(std::span<std::uint8_t> glyph, std::size_t rowBytes, RowOperation operation)
    {
        for (std::size_t start = 0; start + rowBytes <= glyph.size(); start += rowBytes) {
            operation(glyph.subspan(start, rowBytes));
        }
    }

    void shiftRows(std::span<std::uint8_t> glyph, std::size_t rowBytes, bool up)
    {
        if (glyph.size() < rowBytes) {
            return;
        }
        if (up) {
            std::copy(glyph.begin() + rowBytes, glyph.end(), glyph.begin());
            std::fill(glyph.end() - rowBytes, glyph.end(), 0);
        } else {
            std::copy_backward(glyph.begin(), glyph.end() - rowBytes, glyph.end());
            std::fill(glyph.begin(), glyph.begin() + rowBytes, 0);
        }
    }

    void flipRows(std::span<std::uint8_t> glyph, std::size_t rowBytes)
    {
        auto top = glyph.begin();
        auto bottom = glyph.end() - rowBytes;
        for (; top < bottom; top += rowBytes, bottom -= rowBytes) {
            std::swap_ranges(top, top + rowBytes, bottom);
        }
    }

} // namespace

namespace {

    // Transforms that work on each row alone, so that the rows of many glyphs, one after
    // the other, can be transformed in one pass.
    bool actsRowByRow(GlyphTransform transform)
    {
        return transform != GlyphTransform::ShiftUp && transform != GlyphTransform::ShiftDown
            && transform != GlyphTransform::FlipVertically;
    }

    void transformRows(GlyphTransform transform, std::span<std::uint8_t> rows, int width)
    {
        const std::size_t rowBytes = rowBytesFor(width);
        switch (transform) {
        case GlyphTransform::ShiftLeft:
            return forEachRow(rows, rowBytes, [](Row row) { shiftBitsLeft(row, 1); });
        case GlyphTransform::ShiftRight:
            return forEachRow(rows, rowBytes, [width](Row row) { shiftRowRight(row, width); });
        case GlyphTransform::FlipHorizontally:
            return forEachRow(rows, rowBytes, [width](Row row) { flipRow(row, width); });
        case GlyphTransform::Invert:
            return forEachRow(rows, rowBytes, [width](Row row) { invertRow(row, width); });
        case GlyphTransform::Clear:
            return std::fill(rows.begin(), rows.end(), 0);
        case GlyphTransform::Bold:
            return forEachRow(rows, rowBytes, [width](Row row) { emboldenRow(row, width); });
        default:
            return;
        }
    }

    void transformColumns(GlyphTransform transform, std::span<std::uint8_t> glyph, int width)
    {
        const std::size_t rowBytes = rowBytesFor(width);
        switch (transform) {
        case GlyphTransform::ShiftUp:
            return shiftRows(glyph, rowBytes, true);
        case GlyphTransform::ShiftDown:
            return shiftRows(glyph, rowBytes, false);
        case GlyphTransform::FlipVertically:
            return flipRows(glyph, rowBytes);
        default:
            return;
        }
    }

} // namespace

void transformGlyph(GlyphTransform transform, std::span<std::uint8_t> glyph, int width, int height)
{
    if (width < 1 || height < 1 || glyph.size() != rowBytesFor(width) * height) {
        return;
    }
    if (actsRowByRow(transform)) {
        transformRows(transform, glyph, width);
    } else {
        transformColumns(transform, glyph, width);
    }
}

namespace {

    void transformRun(GlyphTransform transform, std::span<std::uint8_t> pixels, const FontLib& font)
    {
        const int width = font.info.glyphWidth;
        if (actsRowByRow(transform)) {
            transformRows(transform, pixels, width);
            return;
        }
        for (std::size_t start = 0; start < pixels.size(); start += font.glyphBytes()) {
            transformColumns(transform, pixels.subspan(start, font.glyphBytes()), width);
        }
    }

} // namespace

GlyphChange transformGlyphs(
    const FontLib& font, std::span<const std::uint32_t> indexes, GlyphTransform transform)
{
    GlyphChange change;
    for (std::size_t i = 0; i < indexes.size();) {
        if (!font.hasGlyph(indexes[i])) {
            ++i;
            continue;
        }
        std::size_t end = i + 1;
        while (end < indexes.size() && indexes[end] == indexes[end - 1] + 1
            && font.hasGlyph(indexes[end])) {
            ++end;
        }
        const auto count = static_cast<std::uint32_t>(end - i);
        change.runs.push_back(copyGlyphs(font, indexes[i], count, false));
        transformRun(transform, change.runs.back().pixels, font);
        i = end;
    }
    return change;
}

void transformPicture(
    GlyphTransform transform, std::vector<std::uint8_t>& picture, int width, int height)
{
    if (width < 1 || height < 1 || picture.size() != static_cast<std::size_t>(width) * height) {
        return;
    }
    std::vector<std::uint8_t> packed = packPicture(picture, width, height);
    transformGlyph(transform, packed, width, height);
    picture = unpackPicture(packed, width, height);
}

} // namespace tessellon
