#pragma once

#include "editor/GlyphCodeIndex.h"

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace tessellon {

// One character of the previewed text where it lands on the display.
struct PreviewGlyph {
    // The top-left pixel of its cell, in display pixels.
    int x = 0;
    int y = 0;
    // The glyph drawn there; none for a character the font lacks (drawn as a framed box).
    std::optional<std::uint32_t> glyph;

    bool operator==(const PreviewGlyph&) const = default;
};

struct TextPreviewLayout {
    std::vector<PreviewGlyph> glyphs;
    // Characters of the text the font has no glyph for (line breaks aside).
    int missing = 0;
    // Lines the text takes, each one glyph high.
    int lines = 0;
};

// Sets text (UTF-16) with the font's glyphs, found through codes, side by side in lines one
// glyph high, for a display displayWidth pixels wide. A line ends at '\n' and before a word
// that would not fit; the space where it breaks is not drawn, and a word longer than a line
// is broken where the line is full. A line holds at least one character however narrow the
// display. A surrogate pair is one character, which no glyph shows (codes are single units).
TextPreviewLayout layOutPreviewText(std::u16string_view text, int glyphWidth, int glyphHeight,
    const GlyphCodeIndex& codes, int displayWidth);

// The display rows whose top edges the baselines of the lines lie on: baseline rows below the
// top of every line a display displayHeight pixels high begins (one at the cell's bottom is
// the next line's top edge, or the display's bottom edge).
std::vector<int> baselineRows(int displayHeight, int glyphHeight, int baseline);

} // namespace tessellon
