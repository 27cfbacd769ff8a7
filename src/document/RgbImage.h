#pragma once

#include <cstdint>

namespace tessellon {

struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;

    bool operator==(const Rgb&) const = default;
};

inline constexpr Rgb black { 0, 0, 0 };
inline constexpr Rgb white { 255, 255, 255 };
inline constexpr Rgb yellow { 255, 255, 0 };
inline constexpr Rgb ruleGrey { 128, 128, 128 };

// A 24-bit RGB raster that glyphs are drawn into and read from. The GUI adapts its
// images to it; the core and its tests use MemoryImage.
class RgbImage {
public:
    virtual ~RgbImage() = default;
    virtual int width() const = 0;
    virtual int height() const = 0;
    virtual Rgb pixel(int x, int y) const = 0;
    virtual void setPixel(int x, int y, Rgb colour) = 0;

    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width() && y < height(); }
};

} // namespace tessellon
