#include "export/GlyphMetrics.h"

#include <algorithm>
#include <bit>

namespace tessellon {

namespace {

    struct RowInk {
        int left;
        int right; // one past the rightmost ink pixel
    };

    // Scans whole bytes: the first and the last that hold ink, and within them the outermost
    // pixels. Padding bits beyond the width are no ink.
    std::optional<RowInk> rowInk(std::span<const std::uint8_t> row, int width)
    {
        const std::size_t bytes = rowBytesFor(width);
        const int padding = static_cast<int>(bytes * 8) - width;
        const auto inkAt = [&](std::size_t i) -> std::uint8_t {
            return i + 1 < bytes ? row[i] : static_cast<std::uint8_t>(row[i] & (0xFF << padding));
        };
        std::size_t first = 0;
        while (first < bytes && inkAt(first) == 0) {
            ++first;
        }
        if (first == bytes) {
            return std::nullopt;
        }
        std::size_t last = bytes - 1;
        while (inkAt(last) == 0) {
            --last;
        }
        const int left = static_cast<int>(first * 8) + std::countl_zero(inkAt(first));
        const int right = static_cast<int>(last * 8 + 8) - std::countr_zero(inkAt(last));
        return RowInk { left, right };
    }

} // namespace

int defaultSpaceWidth(int cellHeight) { return std::max(2, cellHeight / 3); }

std::optional<InkBox> inkBox(const FontLib& font, std::uint32_t index)
{
    if (!font.hasGlyph(index)) {
        return std::nullopt;
    }
    const auto glyph = font.glyph(index);
    const std::size_t rowBytes = font.rowBytes();
    const int width = font.info.glyphWidth;
    std::optional<InkBox> box;
    int right = 0;
    for (int y = 0; y < font.info.glyphHeight; ++y) {
        const auto ink = rowInk(glyph.subspan(y * rowBytes, rowBytes), width);
        if (!ink) {
            continue;
        }
        if (!box) {
            box = InkBox { ink->left, y, 0, 0 };
        }
        box->x = std::min(box->x, ink->left);
        right = std::max(right, ink->right);
        box->height = y + 1 - box->y;
    }
    if (box) {
        box->width = right - box->x;
    }
    return box;
}

std::vector<GlyphMetric> glyphMetrics(const FontLib& font, const AdvanceRule& rule)
{
    const int cellWidth = font.info.glyphWidth;
    const int spaceWidth = rule.spaceWidth.value_or(defaultSpaceWidth(font.info.glyphHeight));
    std::vector<GlyphMetric> metrics(font.info.glyphCount);
    for (std::uint32_t i = 0; i < font.info.glyphCount; ++i) {
        GlyphMetric& metric = metrics[i];
        metric.ink = inkBox(font, i);
        if (!rule.proportional) {
            metric.advance = cellWidth;
        } else {
            metric.advance = metric.ink ? metric.ink->right() + rule.gap : spaceWidth;
        }
    }
    return metrics;
}

} // namespace tessellon
