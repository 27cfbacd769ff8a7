#pragma once

#include "document/RgbImage.h"

#include <vector>

namespace tessellon {

// An RgbImage in plain memory, filled with one colour at construction.
class MemoryImage final : public RgbImage {
public:
    MemoryImage(int width, int height, Rgb fill = white);

    int width() const override { return m_width; }
    int height() const override { return m_height; }
    Rgb pixel(int x, int y) const override;
    void setPixel(int x, int y, Rgb colour) override;

private:
    int m_width;
    int m_height;
    std::vector<Rgb> m_pixels;
};

} // namespace tessellon
