#include "editor/GlyphCellImage.h"

#include "document/FontLib.h"

#include <QImage>

#include <algorithm>

namespace tessellon {

bool drawGlyphCell(const FontLib& font, std::uint32_t index, QImage& target, Rgb background)
{
    if (!font.hasGlyph(index) || target.depth() != 32) {
        return false;
    }
    const QRgb back = qRgb(background.red, background.green, background.blue);
    const QRgb ink = qRgb(0, 0, 0);
    const int width = std::min<int>(font.info.glyphWidth, target.width());
    const int height = std::min<int>(font.info.glyphHeight, target.height());
    const std::size_t rowBytes = font.rowBytes();
    const std::uint8_t* row = font.glyph(index).data();
    for (int y = 0; y < height; ++y, row += rowBytes) {
        auto* line = reinterpret_cast<QRgb*>(target.scanLine(y));
        for (int x = 0; x < width; ++x) {
            line[x] = (row[x >> 3] & pixelMask(x)) != 0 ? ink : back;
        }
    }
    return true;
}

} // namespace tessellon
