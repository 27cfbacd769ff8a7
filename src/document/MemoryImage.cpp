#include "document/MemoryImage.h"

#include <algorithm>

namespace tessellon {

MemoryImage::MemoryImage(int width, int height, Rgb fill)
    : m_width(std::max(width, 0))
    , m_height(std::max(height, 0))
    , m_pixels(static_cast<std::size_t>(m_width) * static_cast<std::size_t>(m_height), fill)
{
}

Rgb MemoryImage::pixel(int x, int y) const
{
    if (!contains(x, y)) {
        return white;
    }
    return m_pixels[static_cast<std::size_t>(y) * m_width + x];
}

void MemoryImage::setPixel(int x, int y, Rgb colour)
{
    if (contains(x, y)) {
        m_pixels[static_cast<std::size_t>(y) * m_width + x] = colour;
    }
}

} // namespace tessellon
