#pragma once

#include "document/Result.h"

#include <cstdint>
#include <optional>
#include <span>

namespace tessellon {

// What the picture readers need to know of a BMP file before Qt decodes it, read from the
// file's first bytes (at least bmpHeaderBytes of them, or the whole file when it is shorter).
inline constexpr std::size_t bmpHeaderBytes = 54;

struct BmpPictureSize {
    std::uint32_t width = 0;
    std::uint32_t height = 0;

    bool operator==(const BmpPictureSize&) const = default;
};

// Qt's BMP reader takes a file whose uncompressed pixel rows are cut short and makes up the
// missing pixels: black ones, or for 1 bit a pixel memory never set. This refuses such a
// file before it is decoded: a file of fileSize bytes that holds an uncompressed BMP (1 to
// 32 bits a pixel, any header Qt reads) must hold every pixel row the header claims. Other
// files, and compressed BMPs (whose truncation Qt notices itself), pass.
Status checkBmpPixelsPresent(std::span<const std::uint8_t> start, std::uint64_t fileSize);
inline Status checkBmpPixelsPresent(std::span<const std::uint8_t> bytes)
{
    return checkBmpPixelsPresent(bytes, bytes.size());
}

// The size of the picture a BMP header gives, rows stored top down (a negative height)
// included, for Qt, which gives no size before decoding such a file. Nothing for other files
// or a header that is cut short.
std::optional<BmpPictureSize> bmpPictureSize(std::span<const std::uint8_t> start);

} // namespace tessellon
