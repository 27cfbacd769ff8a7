// Checks arbitrary bytes as the start of a BMP file, as the picture readers do before Qt
// decodes it. The check of the first bmpHeaderBytes bytes and the file's size must give what
// the check of the whole bytes gives, any size the file may claim must be checked without
// overflow, and a size read from a header must be one its 32-bit fields can hold.
#include "formats/BmpHeader.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace tessellon;
    const std::span<const std::uint8_t> whole(data, size);
    const std::span<const std::uint8_t> start = whole.first(std::min(size, bmpHeaderBytes));
    if (checkBmpPixelsPresent(start, size).message() != checkBmpPixelsPresent(whole).message()) {
        std::abort();
    }
    for (const std::uint64_t claimed : { std::uint64_t { 0 }, std::uint64_t { 1 } << 31,
             std::numeric_limits<std::uint64_t>::max() }) {
        if (const Status checked = checkBmpPixelsPresent(start, claimed);
            !checked && checked.message().empty()) {
            std::abort();
        }
    }
    if (const auto picture = bmpPictureSize(whole);
        picture && (picture->width > 1u << 31 || picture->height > 1u << 31)) {
        std::abort();
    }
    return 0;
}
