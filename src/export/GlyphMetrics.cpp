#include "export/GlyphMetrics.h"

#include <algorithm>
#include <bit>

namespace tessellon {

namespace {

    struct RowInk {
        int left;
        int right; // one past the rightmost ink pixel
    };

    // Whole bytes at a time: a row's first and last ink pixel are the first set bit of its
    // first byte with ink and the last of its last; padding bits past width are no ink.
    std::optional<RowInk> rowInk(std::span<const std::uint8_t> row, int width)
    {
        const int bytes = (width + 7) / 8;
        int left = -1;
        int right = 0;
        for (int b = 0; b < bytes; ++b) {
            std::uint8_t byte = row[b];
            if (b == bytes - 1 && width % 8 != 0) {
                byte &= static_cast<std::uint8_t>(0xFF00u >> (width % 8));
            }
            if (byte == 0) {
                continue;
            }
            if (left < 0) {
                left = b * 8 + std::countl_zero(byte);
            }
            right = b * 8 + 8 - std::countr_zero(byte);
        }
        if (left < 0) {
            return std::nullopt;
        }
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
