#include "editor/PixelLine.h"

#include <algorithm>
#include <cstdlib>

namespace tessellon {

std::vector<PixelPoint> linePixels(PixelPoint from, PixelPoint to)
{
    const int dx = std::abs(to.x - from.x);
    const int dy = -std::abs(to.y - from.y);
    const int stepX = from.x < to.x ? 1 : -1;
    const int stepY = from.y < to.y ? 1 : -1;
    std::vector<PixelPoint> pixels;
    pixels.reserve(static_cast<std::size_t>(std::max(dx, -dy)) + 1);
    int error = dx + dy;
    PixelPoint at = from;
    while (true) {
        pixels.push_back(at);
        if (at == to) {
            return pixels;
        }
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            at.x += stepX;
        }
        if (twice <= dx) {
            error += dx;
            at.y += stepY;
        }
    }
}

} // namespace tessellon
