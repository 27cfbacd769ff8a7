#pragma once

#include "creation/GlyphSource.h"

#include <cstdint>
#include <span>

namespace tessellon {

// A glyph source that also draws characters beyond 16 bits, for previews that show a
// surrogate pair as the one character it stands for.
class GlyphDrawer : public GlyphSource {
public:
    // ORs the ink of the character into glyph, as drawGlyph does.
    virtual void drawCharacter(char32_t code, std::span<std::uint8_t> glyph) = 0;

    void drawGlyph(std::uint16_t code, std::span<std::uint8_t> glyph) override
    {
        drawCharacter(code, glyph);
    }
};

} // namespace tessellon
