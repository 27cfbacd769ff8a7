#include "editor/TextPreviewImage.h"

#include <algorithm>

namespace tessellon {

namespace {

    QRgb toQRgb(Rgb colour) { return qRgb(colour.red, colour.green, colour.blue); }

    void drawGlyph(QImage& image, const FontLib& font, const PreviewGlyph& placed, QRgb ink)
    {
        const int width = font.info.glyphWidth;
        const std::size_t rowBytes = font.rowBytes();
        const std::uint8_t* row = font.glyph(*placed.glyph).data();
        const int left = std::max(0, -placed.x);
        const int right = std::min(width, image.width() - placed.x);
        for (int y = 0; y < font.info.glyphHeight; ++y, row += rowBytes) {
            const int line = placed.y + y;
            if (line < 0 || line >= image.height()) {
                continue;
            }
            auto* pixels = reinterpret_cast<QRgb*>(image.scanLine(line));
            for (int x = left; x < right; ++x) {
                if ((row[x >> 3] & pixelMask(x)) != 0) {
                    pixels[placed.x + x] = ink;
                }
            }
        }
    }

    void drawFrame(QImage& image, QRect box, QRgb ink)
    {
        const auto put = [&](int x, int y) {
            if (image.rect().contains(x, y)) {
                reinterpret_cast<QRgb*>(image.scanLine(y))[x] = ink;
            }
        };
        for (int x = box.left(); x <= box.right(); ++x) {
            put(x, box.top());
            put(x, box.bottom());
        }
        for (int y = box.top(); y <= box.bottom(); ++y) {
            put(box.left(), y);
            put(box.right(), y);
        }
    }

} // namespace

QImage drawTextPreview(
    const TextPreviewLayout& layout, const FontLib& font, QSize display, Rgb ink, Rgb background)
{
    QImage image(display, QImage::Format_RGB32);
    image.fill(toQRgb(background));
    const QRgb inkPixel = toQRgb(ink);
    for (const PreviewGlyph& placed : layout.glyphs) {
        if (placed.glyph && font.hasGlyph(*placed.glyph)) {
            drawGlyph(image, font, placed, inkPixel);
        } else if (!placed.glyph) {
            drawFrame(image, QRect(placed.x, placed.y, font.info.glyphWidth, font.info.glyphHeight),
                inkPixel);
        }
    }
    return image;
}

} // namespace tessellon
