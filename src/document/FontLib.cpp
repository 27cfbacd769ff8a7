#include "document/FontLib.h"

#include <algorithm>
#include <string>

namespace tessellon {

bool isSupportedGlyphSize(int width, int height)
{
    return width >= minGlyphSide && width <= maxGlyphSide && height >= minGlyphSide
        && height <= maxGlyphSide;
}

std::optional<FontSizeBound> fontSizeBoundPassed(int width, int height, std::uint64_t count)
{
    if (!isSupportedGlyphSize(width, height)) {
        return FontSizeBound::GlyphSide;
    }
    if (count > maxCharSetGlyphs) {
        return FontSizeBound::GlyphCount;
    }
    if (fontPixelBytes(width, height, count) > maxNewFontPixelBytes) {
        return FontSizeBound::PixelBytes;
    }
    return std::nullopt;
}

std::uint64_t fontPixelBytes(int width, int height, std::uint64_t count)
{
    return rowBytesFor(width) * static_cast<std::uint64_t>(height) * count;
}

std::size_t rowBytesFor(int glyphWidth) { return static_cast<std::size_t>((glyphWidth + 7) / 8); }

void readGlyphBits(
    const RgbImage& image, int x0, int y0, int width, int height, std::span<std::uint8_t> bytes)
{
    std::fill(bytes.begin(), bytes.end(), 0);
    const std::size_t rowBytes = rowBytesFor(width);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            if (image.contains(x0 + x, y0 + y) && image.pixel(x0 + x, y0 + y) == black) {
                bytes[y * rowBytes + x / 8] |= pixelMask(x);
            }
        }
    }
}

FontLib FontLib::blank(int glyphWidth, int glyphHeight, std::uint32_t glyphCount, bool withCodes)
{
    FontLib font;
    font.info.glyphCount = glyphCount;
    font.info.codeTableFlag = withCodes ? 1 : 0;
    font.info.glyphWidth = static_cast<std::uint16_t>(glyphWidth);
    font.info.glyphHeight = static_cast<std::uint16_t>(glyphHeight);
    font.pixelData.assign(font.glyphBytes() * glyphCount, 0);
    if (withCodes) {
        font.codeTable.emplace(glyphCount, 0);
    }
    return font;
}

Status checkBaseline(int rows, int glyphHeight)
{
    if (rows >= 0 && rows <= glyphHeight) {
        return {};
    }
    return failure("a baseline " + std::to_string(rows) + " rows below the top does not fit glyphs "
        + std::to_string(glyphHeight) + " rows high (it must be 0 to " + std::to_string(glyphHeight)
        + ")");
}

bool FontLib::isConsistent() const
{
    if (pixelData.size() != glyphBytes() * info.glyphCount) {
        return false;
    }
    if (baseline && (*baseline < 0 || *baseline > info.glyphHeight)) {
        return false;
    }
    return !codeTable || codeTable->size() == info.glyphCount;
}

std::span<std::uint8_t> FontLib::glyph(std::uint32_t index)
{
    return { pixelData.data() + index * glyphBytes(), glyphBytes() };
}

std::span<const std::uint8_t> FontLib::glyph(std::uint32_t index) const
{
    return { pixelData.data() + index * glyphBytes(), glyphBytes() };
}

bool FontLib::pixel(std::uint32_t index, int x, int y) const
{
    return (glyph(index)[y * rowBytes() + x / 8] & pixelMask(x)) != 0;
}

void FontLib::setPixel(std::uint32_t index, int x, int y)
{
    glyph(index)[y * rowBytes() + x / 8] |= pixelMask(x);
}

bool FontLib::DrawGlyph(RgbImage& image, int x0, int y0, std::uint32_t index, Rgb background) const
{
    if (!hasGlyph(index)) {
        return false;
    }
    for (int y = 0; y < info.glyphHeight; ++y) {
        for (int x = 0; x < info.glyphWidth; ++x) {
            if (image.contains(x0 + x, y0 + y)) {
                image.setPixel(x0 + x, y0 + y, pixel(index, x, y) ? black : background);
            }
        }
    }
    return true;
}

bool FontLib::ReadGlyph(const RgbImage& image, int x0, int y0, std::uint32_t index)
{
    if (!hasGlyph(index)) {
        return false;
    }
    readGlyphBits(image, x0, y0, info.glyphWidth, info.glyphHeight, glyph(index));
    return true;
}

} // namespace tessellon
