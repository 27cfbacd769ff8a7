#include "editor/BmpPixelCheck.h"

#include "document/LittleEndian.h"

#include <algorithm>
#include <string>

namespace tessellon {

namespace {

    constexpr std::size_t fileHeaderSize = 14;
    constexpr std::uint32_t coreHeaderSize = 12;
    constexpr std::uint32_t infoHeaderSize = 40;

    enum Compression : std::uint32_t { none = 0, bitFields = 3, alphaBitFields = 6 };

    struct PixelLayout {
        std::uint64_t width = 0;
        std::uint64_t height = 0;
        std::uint32_t bitsPerPixel = 0;
        std::uint32_t compression = none;
    };

    std::uint64_t magnitude(std::int32_t value)
    {
        const std::int64_t wide = value;
        return static_cast<std::uint64_t>(wide < 0 ? -wide : wide);
    }

    PixelLayout layoutOf(std::span<const std::uint8_t> dib, std::uint32_t headerSize)
    {
        if (headerSize == coreHeaderSize) {
            return { readLe16(dib.data() + 4), readLe16(dib.data() + 6), readLe16(dib.data() + 10),
                none };
        }
        return { magnitude(static_cast<std::int32_t>(readLe32(dib.data() + 4))),
            magnitude(static_cast<std::int32_t>(readLe32(dib.data() + 8))),
            readLe16(dib.data() + 14), readLe32(dib.data() + 16) };
    }

    bool isUncompressed(std::uint32_t compression)
    {
        return compression == none || compression == bitFields || compression == alphaBitFields;
    }

} // namespace

Status checkBmpPixelsPresent(std::span<const std::uint8_t> bytes)
{
    if (bytes.size() < 2 || bytes[0] != 'B' || bytes[1] != 'M') {
        return {};
    }
    if (bytes.size() < fileHeaderSize + 4) {
        return failure("the BMP file ends inside its header");
    }
    const std::span<const std::uint8_t> dib = bytes.subspan(fileHeaderSize);
    const std::uint32_t headerSize = readLe32(dib.data());
    if (headerSize != coreHeaderSize && headerSize < infoHeaderSize) {
        return {};
    }
    if (dib.size() < std::min(headerSize, infoHeaderSize)) {
        return failure("the BMP file ends inside its header");
    }
    const PixelLayout layout = layoutOf(dib, headerSize);
    if (!isUncompressed(layout.compression) || layout.bitsPerPixel == 0
        || layout.bitsPerPixel > 32) {
        return {};
    }
    const std::uint64_t rowBytes = (layout.width * layout.bitsPerPixel + 31) / 32 * 4;
    const std::uint64_t pixelsStart = readLe32(bytes.data() + 10);
    const std::uint64_t size = bytes.size();
    const std::uint64_t rowsPresent
        = size < pixelsStart || rowBytes == 0 ? 0 : (size - pixelsStart) / rowBytes;
    if (size < pixelsStart || (rowBytes > 0 && rowsPresent < layout.height)) {
        return failure("the BMP file is cut short: it claims " + std::to_string(layout.height)
            + " rows of " + std::to_string(rowBytes) + " bytes from byte "
            + std::to_string(pixelsStart) + " on, and holds " + std::to_string(size) + " bytes");
    }
    return {};
}

} // namespace tessellon
