#pragma once

#include "document/FontLib.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace tessellon {

// The smallest rectangle of a glyph's cell that holds all of its ink, in cell pixels.
struct InkBox {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    int right() const { return x + width; }
    int bottom() const { return y + height; }
    bool operator==(const InkBox&) const = default;
};

// How far the pen moves after each glyph: the cell width, or, proportional, the ink's right
// edge plus a gap. Empty glyphs (the space among them) move by the space width.
struct AdvanceRule {
    bool proportional = false;
    int gap = 1;
    // Unset: a third of the cell height, at least 2 pixels.
    std::optional<int> spaceWidth;
};

int defaultSpaceWidth(int cellHeight);

// The ink box of a glyph; none for an empty glyph or an index outside the font.
std::optional<InkBox> inkBox(const FontLib& font, std::uint32_t index);

struct GlyphMetric {
    std::optional<InkBox> ink;
    int advance = 0;
};

// The ink box and advance of every glyph of the font, in glyph order. These are export
// choices: the glyphs themselves are not changed.
std::vector<GlyphMetric> glyphMetrics(const FontLib& font, const AdvanceRule& rule);

} // namespace tessellon
