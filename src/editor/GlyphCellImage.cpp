#include "editor/GlyphCellImage.h"

#include "document/FontDocument.h"

#include <QImage>

#include <algorithm>

namespace tessellon {

bool drawGlyphCell(const FontDocument& document, std::uint32_t index, QImage& target)
{
    const FontLib& font = document.fontLib;
    if (!font.hasGlyph(index) || target.depth() != 32) {
        return false;
    }
    const Rgb back = document.cellBackColor;
    const QRgb background = qRgb(back.red, back.green, back.blue);
    const QRgb ink = qRgb(0, 0, 0);
    const int width = std::min<int>(font.info.glyphWidth, target.width());
    const int height = std::min<int>(font.info.glyphHeight, target.height());
    const std::size_t rowBytes = font.rowBytes();
    const std::uint8_t* row = font.glyph(index).data();
    for (int y = 0; y < height; ++y, row += rowBytes) {
        auto* line = reinterpret_cast<QRgb*>(target.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const bool set = (row[x >> 3] & (0x80u >> (x & 7))) != 0;
            line[x] = set ? ink : background;
        }
    }
    return true;
}

} // namespace tessellon
