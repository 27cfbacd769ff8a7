#include "document/FontDocument.h"

#include <algorithm>

namespace tessellon {

bool FontDocument::DrawGlyph(RgbImage& image, int x0, int y0, std::uint32_t index) const
{
    return fontLib.DrawGlyph(image, x0, y0, index, cellBackColor);
}

bool FontDocument::ReadGlyph(const RgbImage& image, int x0, int y0, std::uint32_t index)
{
    return fontLib.ReadGlyph(image, x0, y0, index);
}

void FontDocument::resetEditBuffer()
{
    editBuffer.assign(static_cast<std::size_t>(glyphWidth()) * glyphHeight(), 0);
}

bool FontDocument::LoadEditBuffer(std::uint32_t index)
{
    if (!fontLib.hasGlyph(index)) {
        return false;
    }
    resetEditBuffer();
    for (int y = 0; y < glyphHeight(); ++y) {
        for (int x = 0; x < glyphWidth(); ++x) {
            editBuffer[y * glyphWidth() + x] = fontLib.pixel(index, x, y) ? 1 : 0;
        }
    }
    return true;
}

bool FontDocument::StoreEditBuffer(std::uint32_t index)
{
    if (!fontLib.hasGlyph(index)) {
        return false;
    }
    if (editBuffer.size() != static_cast<std::size_t>(glyphWidth()) * glyphHeight()) {
        resetEditBuffer();
    }
    auto bytes = fontLib.glyph(index);
    std::fill(bytes.begin(), bytes.end(), 0);
    for (int y = 0; y < glyphHeight(); ++y) {
        for (int x = 0; x < glyphWidth(); ++x) {
            if (editBuffer[y * glyphWidth() + x] == 1) {
                fontLib.setPixel(index, x, y);
            }
        }
    }
    modified = true;
    return true;
}

} // namespace tessellon
