#pragma once

#include "document/Result.h"

#include <cstdint>
#include <span>

namespace tessellon {

// Qt's BMP reader takes a file whose uncompressed pixel rows are cut short and makes up the
// missing pixels, black ones among them. This refuses such a file before it is decoded:
// bytes that hold an uncompressed BMP (1 to 32 bits a pixel, any header Qt reads) must hold
// every pixel row the header claims. Other bytes, and compressed BMPs (whose truncation Qt
// notices itself), pass.
Status checkBmpPixelsPresent(std::span<const std::uint8_t> bytes);

} // namespace tessellon
