#include "formats/QImageRgbImage.h"

#include <QImage>

namespace tessellon {

int QImageRgbImage::width() const { return m_image.width(); }

int QImageRgbImage::height() const { return m_image.height(); }

Rgb QImageRgbImage::pixel(int x, int y) const
{
    const QRgb value = m_image.pixel(x, y);
    return { static_cast<std::uint8_t>(qRed(value)), static_cast<std::uint8_t>(qGreen(value)),
        static_cast<std::uint8_t>(qBlue(value)) };
}

void QImageRgbImage::setPixel(int x, int y, Rgb colour)
{
    m_image.setPixel(x, y, qRgb(colour.red, colour.green, colour.blue));
}

} // namespace tessellon
