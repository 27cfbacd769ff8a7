#pragma once

#include "document/FontLib.h"
#include "document/GlyphChange.h"
#include "document/Result.h"
#include "editor/GridCells.h"
#include "document/TileWalk.h"

#include <cstdint>

namespace tessellon {

// Blocks of glyphs leave and enter a font as one picture, black ink on white, the glyphs
// side by side as in the grid. These functions work on the core's RGB images; the editor
// and the command line move the pictures to and from the clipboard and files.

// The largest picture copied or pasted: 128 MiB at four bytes a pixel, which is also what
// Qt's picture readers decode at most by default.
inline constexpr std::uint64_t maxExchangePixels = std::uint64_t { 32 } << 20;

struct PictureSize {
    int width = 0;
    int height = 0;

    bool operator==(const PictureSize&) const = default;
};

// Whether the selection lies on glyph rows: copying and pasting need its Top row >= 1.
bool HasGlyphSelection(const GridRect& cells);

// Refuses a picture of more than maxExchangePixels pixels, saying why.
Status checkExchangePictureSize(std::int64_t width, std::int64_t height);

// The block a copy of the selected cells makes: one tile for each cell, glyph
// (Top + r) * 32 + Left + c - 32 in tile (c, r). Empty without a glyph selection.
TileBlock copyBlock(const GridRect& cells, int glyphWidth, int glyphHeight);
// The size of that block's picture, refused when it is larger than the exchange takes.
Result<PictureSize> copyPictureSize(const GridRect& cells, int glyphWidth, int glyphHeight);
// Draws the glyphs of block, black on white, into picture; tiles of cells past the last
// glyph are left as they are (white, in a picture that starts white).
void drawGlyphBlock(const FontLib& font, const TileBlock& block, RgbImage& picture);

// The block a picture pastes at the selection's top-left cell: as many whole glyphs as fit
// across and down (narrower strips at the right and bottom are left out), laid out as in the
// grid, so that tiles right of column 31 land on the rows below. Empty without a glyph
// selection.
TileBlock pasteBlock(const GridRect& cells, PictureSize picture, int glyphWidth, int glyphHeight);
// The change that makes each glyph of block what the picture shows in its tile: exactly
// black pixels are ink, every other colour background. Glyphs at or beyond glyphCount are
// left out.
GlyphChange changeFromBlock(const FontLib& font, const TileBlock& block, const RgbImage& picture);
// The selection after pasting block at cells: the block, cut to the grid's 32 columns and
// its gridRows rows; the selection as it was when not one whole glyph fitted the picture.
GridRect pastedCells(const GridRect& cells, const TileBlock& block, int gridRows);

} // namespace tessellon
