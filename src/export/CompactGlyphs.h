#pragma once

#include "document/FontLib.h"
#include "export/GlyphMetrics.h"

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace tessellon {

// One glyph of a compact font: its code, its ink box and, for each row of the box, the
// number of that row of the cell among the font's distinct rows.
struct CompactGlyph {
    std::uint16_t code = 0;
    std::optional<InkBox> box;
    std::vector<std::uint32_t> rows;
};

// Codes first to first + length - 1, one glyph each.
struct CodeRun {
    std::uint32_t first = 0;
    std::uint32_t length = 0;
};

// The glyphs a compact font holds: for each code, in increasing order, the first glyph of
// the font with that code (a font without a code table numbers its glyphs 0, 1, ... modulo
// 65536). distinctRows holds each different row of a cell once, as packed pixels of the font.
struct CompactGlyphs {
    std::vector<CompactGlyph> glyphs;
    std::vector<std::span<const std::uint8_t>> distinctRows;
};

CompactGlyphs collectCompactGlyphs(const FontLib& font);

std::vector<CodeRun> codeRuns(const std::vector<CompactGlyph>& glyphs);

} // namespace tessellon
