#pragma once

#include "document/FontLib.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace tessellon {

// Finds the glyph that shows a character code: the first glyph that carries the code, or, in
// a font without a code table, the glyph whose index is the code (index order).
class GlyphCodeIndex {
public:
    explicit GlyphCodeIndex(const FontLib& font);

    std::optional<std::uint32_t> find(std::uint16_t code) const;

private:
    std::vector<std::uint32_t> m_glyphOfCode;
    std::uint32_t m_glyphCount = 0;
};

} // namespace tessellon
