#pragma once

namespace tessellon {

// The size of the cell a glyph is placed in, in pixels.
struct GlyphSize {
    int width = 0;
    int height = 0;

    bool operator==(const GlyphSize&) const = default;
};

// Where the top-left corner of a character's cell lies in its glyph: (-3, 2) moves every
// character three pixels left and two down.
struct CellOffset {
    int x = 0;
    int y = 0;

    bool operator==(const CellOffset&) const = default;
};

} // namespace tessellon
