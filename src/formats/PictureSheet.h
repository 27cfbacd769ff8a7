#pragma once

#include "document/FontLib.h"
#include "document/GlyphChange.h"
#include "document/Result.h"
#include "document/RgbImage.h"
#include "formats/FontFileFormats.h"

#include <cstdint>
#include <string>
#include <vector>

namespace tessellon {

// A picture sheet: a font's glyphs as one picture, in cells of the glyph size side by side,
// columns cells to a row. Ink is exactly black, everything else background; the writer
// draws black on white and paints the cells after the last glyph grey, so that the reader
// knows where the glyphs end.
inline constexpr Rgb sheetFillerGrey { 128, 128, 128 };

// Pictures larger than this are not made or read: 256 MiB as 32-bit pixels.
inline constexpr int maxSheetSide = 32767;
inline constexpr std::uint64_t maxSheetPixels = 64ull << 20;

// The sheet walk: glyph first + k lies in the cell of column k mod columns and row
// k div columns. sheetTiles gives the cells of count glyphs from first on.
GlyphTile sheetTile(std::uint32_t first, std::uint32_t k, std::uint32_t columns, GlyphSize cell);
std::vector<GlyphTile> sheetTiles(
    std::uint32_t first, std::uint32_t count, std::uint32_t columns, GlyphSize cell);

// The picture size of a font's sheet of that many columns; refused for a font without
// glyphs, fewer than one column or a picture beyond the limits above.
Result<GlyphSize> sheetSizeFor(const FontLib& font, int columns);

// Whether a picture of that size may be read as a sheet; if not, why not.
Status checkSheetPictureSize(int width, int height);

// Draws the sheet of font into image, whose size is sheetSizeFor(font, columns).
void drawPictureSheet(const FontLib& font, int columns, RgbImage& image);

// Reads a sheet whose cells are options.cell: its columns and rows are as many whole cells
// as fit (a narrower strip at the right or bottom is passed over), and its glyphs end
// before a run of wholly grey cells at its end. Codes start at options.firstCode, one per
// glyph; without it the font has no code table.
Result<FontLib> readPictureSheet(const RgbImage& image, const FontFileOptions& options);

// Picture sheets as file dialogs and the command line know them.
inline constexpr const char* pictureSheetDescription = "Picture sheet";
// Extensions of the pictures read as sheets, and of those written.
const std::vector<std::string>& pictureSheetReadExtensions();
const std::vector<std::string>& pictureSheetWriteExtensions();
bool isPictureSheetName(const std::string& path);
bool isWritablePictureSheetName(const std::string& path);

} // namespace tessellon
