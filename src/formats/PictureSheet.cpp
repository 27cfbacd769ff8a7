#include "formats/PictureSheet.h"

#include "document/TileWalk.h"
#include "formats/GlyphPlacement.h"

#include <algorithm>
#include <cstdio>

namespace tessellon {

namespace {

    bool hasExtension(const std::string& path, const std::vector<std::string>& extensions)
    {
        return std::find(extensions.begin(), extensions.end(), lowerCaseExtension(path))
            != extensions.end();
    }

    bool isFillerCell(const RgbImage& image, const GlyphTile& tile, GlyphSize cell)
    {
        for (int y = 0; y < cell.height; ++y) {
            for (int x = 0; x < cell.width; ++x) {
                if (image.pixel(tile.x0 + x, tile.y0 + y) != sheetFillerGrey) {
                    return false;
                }
            }
        }
        return true;
    }

    void fill(RgbImage& image, int x0, int y0, GlyphSize cell, Rgb colour)
    {
        for (int y = 0; y < cell.height; ++y) {
            for (int x = 0; x < cell.width; ++x) {
                image.setPixel(x0 + x, y0 + y, colour);
            }
        }
    }

    Status checkCodes(std::uint16_t first, std::uint32_t count)
    {
        if (count > 0 && first + (count - 1) > 0xFFFF) {
            char text[96];
            std::snprintf(text, sizeof text,
                "codes from %04X for %u glyphs would pass FFFF; give a lower first code", first,
                count);
            return failure(text);
        }
        return {};
    }

} // namespace

GlyphTile sheetTile(std::uint32_t first, std::uint32_t k, std::uint32_t columns, GlyphSize cell)
{
    return { static_cast<int>(k % columns) * cell.width,
        static_cast<int>(k / columns) * cell.height, first + k };
}

std::vector<GlyphTile> sheetTiles(
    std::uint32_t first, std::uint32_t count, std::uint32_t columns, GlyphSize cell)
{
    if (count == 0 || columns == 0) {
        return {};
    }
    // A sheet is a block of tiles whose stride is its own width.
    const std::uint32_t rows = (count - 1) / columns + 1;
    const TileBlock block { static_cast<int>(columns), static_cast<int>(rows), cell.width,
        cell.height, first, columns };
    return walkTiles(block, first + count);
}

Result<GlyphSize> sheetSizeFor(const FontLib& font, int columns)
{
    const std::uint32_t count = font.info.glyphCount;
    if (count == 0) {
        return failure("the font has no glyphs to put in a picture");
    }
    if (columns < 1) {
        return failure("a picture sheet needs at least one column");
    }
    const std::uint64_t rows = (count + columns - 1) / static_cast<std::uint64_t>(columns);
    const std::uint64_t width = static_cast<std::uint64_t>(columns) * font.info.glyphWidth;
    const std::uint64_t height = rows * font.info.glyphHeight;
    if (width > maxSheetSide || height > maxSheetSide || width * height > maxSheetPixels) {
        return failure("a sheet of " + std::to_string(count) + " glyphs in "
            + std::to_string(columns) + " columns would be " + std::to_string(width) + " x "
            + std::to_string(height) + " pixels; pictures are at most "
            + std::to_string(maxSheetSide) + " pixels a side and " + std::to_string(maxSheetPixels)
            + " pixels in all (choose another number of columns)");
    }
    return GlyphSize { static_cast<int>(width), static_cast<int>(height) };
}

Status checkSheetPictureSize(int width, int height)
{
    if (width < 1 || height < 1 || width > maxSheetSide || height > maxSheetSide
        || static_cast<std::uint64_t>(width) * height > maxSheetPixels) {
        return failure("the picture is " + std::to_string(width) + " x " + std::to_string(height)
            + " pixels; pictures of at most " + std::to_string(maxSheetSide) + " pixels a side and "
            + std::to_string(maxSheetPixels) + " pixels in all are read");
    }
    return {};
}

void drawPictureSheet(const FontLib& font, int columns, RgbImage& image)
{
    const GlyphSize cell { font.info.glyphWidth, font.info.glyphHeight };
    const auto columnCount = static_cast<std::uint32_t>(columns);
    const std::uint32_t cells
        = static_cast<std::uint32_t>(image.width() / cell.width) * (image.height() / cell.height);
    for (std::uint32_t k = 0; k < std::max(cells, font.info.glyphCount); ++k) {
        const GlyphTile tile = sheetTile(0, k, columnCount, cell);
        if (font.hasGlyph(tile.index)) {
            font.DrawGlyph(image, tile.x0, tile.y0, tile.index, white);
        } else {
            fill(image, tile.x0, tile.y0, cell, sheetFillerGrey);
        }
    }
}

Result<FontLib> readPictureSheet(const RgbImage& image, const FontFileOptions& options)
{
    if (!options.cell || !isSupportedGlyphSize(options.cell->width, options.cell->height)) {
        return failure("a picture sheet is read with the glyph size of its cells, 1 to "
            + std::to_string(maxGlyphSide) + " pixels a side");
    }
    if (Status size = checkSheetPictureSize(image.width(), image.height()); !size) {
        return failure(size.message());
    }
    const GlyphSize cell = *options.cell;
    const int columns = image.width() / cell.width;
    const int rows = image.height() / cell.height;
    if (columns == 0 || rows == 0) {
        return failure("the picture of " + std::to_string(image.width()) + " x "
            + std::to_string(image.height()) + " pixels is smaller than one cell of "
            + std::to_string(cell.width) + " x " + std::to_string(cell.height));
    }
    const auto columnCount = static_cast<std::uint32_t>(columns);
    std::uint32_t count = columnCount * static_cast<std::uint32_t>(rows);
    while (count > 0 && isFillerCell(image, sheetTile(0, count - 1, columnCount, cell), cell)) {
        --count;
    }
    if (Status size = checkImportedFontSize(cell, count); !size) {
        return failure(size.message());
    }
    if (options.firstCode) {
        if (Status codes = checkCodes(*options.firstCode, count); !codes) {
            return failure(codes.message());
        }
    }
    FontLib font = FontLib::blank(cell.width, cell.height, count, options.firstCode.has_value());
    for (const GlyphTile& tile : sheetTiles(0, count, columnCount, cell)) {
        font.ReadGlyph(image, tile.x0, tile.y0, tile.index);
        if (font.codeTable) {
            (*font.codeTable)[tile.index]
                = static_cast<std::uint16_t>(*options.firstCode + tile.index);
        }
    }
    return font;
}

const std::vector<std::string>& pictureSheetReadExtensions()
{
    static const std::vector<std::string> extensions { ".png", ".bmp", ".pbm", ".gif" };
    return extensions;
}

const std::vector<std::string>& pictureSheetWriteExtensions()
{
    static const std::vector<std::string> extensions { ".png", ".bmp" };
    return extensions;
}

bool isPictureSheetName(const std::string& path)
{
    return hasExtension(path, pictureSheetReadExtensions());
}

bool isWritablePictureSheetName(const std::string& path)
{
    return hasExtension(path, pictureSheetWriteExtensions());
}

} // namespace tessellon
