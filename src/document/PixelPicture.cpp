#include "document/PixelPicture.h"

#include "document/FontLib.h"

namespace tessellon {

std::vector<std::uint8_t> packPicture(std::span<const std::uint8_t> picture, int width, int height)
{
    const std::size_t rowBytes = rowBytesFor(width);
    std::vector<std::uint8_t> bytes(rowBytes * height, 0);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            if (picture[static_cast<std::size_t>(y) * width + x] == 1) {
                bytes[y * rowBytes + x / 8] |= pixelMask(x);
            }
        }
    }
    return bytes;
}

std::vector<std::uint8_t> unpackPicture(std::span<const std::uint8_t> glyph, int width, int height)
{
    const std::size_t rowBytes = rowBytesFor(width);
    std::vector<std::uint8_t> picture(static_cast<std::size_t>(width) * height, 0);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            if ((glyph[y * rowBytes + x / 8] & pixelMask(x)) != 0) {
                picture[static_cast<std::size_t>(y) * width + x] = 1;
            }
        }
    }
    return picture;
}

} // namespace tessellon
