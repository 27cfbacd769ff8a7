#include "editor/GlyphCodeIndex.h"

#include <limits>

namespace tessellon {

namespace {

    constexpr std::uint32_t noGlyph = std::numeric_limits<std::uint32_t>::max();
    constexpr std::size_t codeCount = 0x10000;

} // namespace

GlyphCodeIndex::GlyphCodeIndex(const FontLib& font)
    : m_glyphCount(font.info.glyphCount)
{
    if (!font.codeTable) {
        return;
    }
    m_glyphOfCode.assign(codeCount, noGlyph);
    const std::vector<std::uint16_t>& codes = *font.codeTable;
    // Last to first, so that the first glyph of a code is the one kept.
    for (std::size_t i = codes.size(); i-- > 0;) {
        m_glyphOfCode[codes[i]] = static_cast<std::uint32_t>(i);
    }
}

std::optional<std::uint32_t> GlyphCodeIndex::find(std::uint16_t code) const
{
    if (m_glyphOfCode.empty()) {
        return code < m_glyphCount ? std::optional<std::uint32_t>(code) : std::nullopt;
    }
    const std::uint32_t glyph = m_glyphOfCode[code];
    return glyph == noGlyph ? std::nullopt : std::optional<std::uint32_t>(glyph);
}

} // namespace tessellon
