#pragma once

#include <cstdint>
#include <span>

namespace tessellon {

// What draws the characters of a new font: a code in, a glyph's bits out. The font-making
// loop asks for one glyph at a time, always from the same thread.
class GlyphSource {
public:
    virtual ~GlyphSource() = default;

    // ORs the ink of code into glyph: one glyph's bytes, rows top to bottom, each row
    // padded to whole bytes, the leftmost pixel in the most significant bit. The loop
    // hands in a blank glyph every time.
    virtual void drawGlyph(std::uint16_t code, std::span<std::uint8_t> glyph) = 0;
};

} // namespace tessellon
