#pragma once

#include "document/RgbImage.h"

class QImage;

namespace tessellon {

// Lets the core draw glyphs into and read them from a QImage.
class QImageRgbImage final : public RgbImage {
public:
    explicit QImageRgbImage(QImage& image)
        : m_image(image)
    {
    }

    int width() const override;
    int height() const override;
    Rgb pixel(int x, int y) const override;
    void setPixel(int x, int y, Rgb colour) override;

private:
    QImage& m_image;
};

} // namespace tessellon
