#include "creation/FontDescription.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace tessellon {

namespace {

    // a * b / c rounded half away from zero; 0 when c is 0.
    int mulDivRounded(std::int64_t a, std::int64_t b, std::int64_t c)
    {
        if (c == 0) {
            return 0;
        }
        const std::int64_t product = a * b;
        const bool negative = (product < 0) != (c < 0);
        const std::int64_t magnitude
            = (std::llabs(product) * 2 + std::llabs(c)) / (2 * std::llabs(c));
        return static_cast<int>(negative ? -magnitude : magnitude);
    }

} // namespace

std::string fontDescription(const std::string& face, int points, int height)
{
    return "Font:" + face + ",Size:" + std::to_string(points) + ",Height:" + std::to_string(height);
}

int pointsForHeight(int height, int dotsPerInch) { return mulDivRounded(-height, 72, dotsPerInch); }

int heightForPoints(double points, int dotsPerInch)
{
    // Far beyond any font a glyph could be made from, and within what the rounding holds.
    constexpr double largestPoints = 16384;
    if (dotsPerInch <= 0 || !(points > 0)) {
        return 0;
    }
    points = std::min(points, largestPoints);
    return -static_cast<int>(std::lround(points * dotsPerInch / 72.0));
}

} // namespace tessellon
