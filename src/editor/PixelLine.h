#pragma once

#include <vector>

namespace tessellon {

struct PixelPoint {
    int x = 0;
    int y = 0;

    bool operator==(const PixelPoint&) const = default;
};

// Every pixel of the straight line from one pixel to another, both ends included, each
// touching the one before it (Bresenham's line): what a pen stroke sets between two mouse
// positions, however far apart they are.
std::vector<PixelPoint> linePixels(PixelPoint from, PixelPoint to);

} // namespace tessellon
