#include "formats/BmpHeader.h"

#include "document/LittleEndian.h"

#include <algorithm>
#include <string>

namespace tessellon {

namespace {

    constexpr std::size_t fileHeaderSize = 14;
    constexpr std::uint32_t coreHeaderSize = 12;
    constexpr std::uint32_t infoHeaderSize = 40;
    // The fields read here end within the first 20 bytes of an info header; the magnitudes of
    // its signed sizes fit 32 bits.
    constexpr std::size_t infoFieldsSize = 20;

    enum Compression : std::uint32_t {
        none = 0,
        runLength8 = 1,
        runLength4 = 2,
        bitFields = 3,
        alphaBitFields = 6,
    };

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

    bool isBmp(std::span<const std::uint8_t> start)
    {
        return start.size() >= 2 && start[0] == 'B' && start[1] == 'M';
    }

    // The header's size, when the start holds one of a kind Qt reads.
    std::optional<std::uint32_t> knownHeaderSize(std::span<const std::uint8_t> start)
    {
        const std::uint32_t size = readLe32(start.data() + fileHeaderSize);
        if (size != coreHeaderSize && size < infoHeaderSize) {
            return std::nullopt;
        }
        return size;
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

    // The layout, when the start holds the whole of the fields it is read from.
    std::optional<PixelLayout> layoutIn(std::span<const std::uint8_t> start)
    {
        const auto headerSize = knownHeaderSize(start);
        const std::size_t needed
            = fileHeaderSize + (headerSize == coreHeaderSize ? coreHeaderSize : infoFieldsSize);
        if (!headerSize || start.size() < needed) {
            return std::nullopt;
        }
        return layoutOf(start.subspan(fileHeaderSize), *headerSize);
    }

    bool isUncompressed(std::uint32_t compression)
    {
        return compression == none || compression == bitFields || compression == alphaBitFields;
    }

    Failure cutShort(std::uint64_t rows, std::uint64_t rowBytes, std::uint64_t pixelsStart,
        std::uint64_t fileSize)
    {
        return failure("the BMP file is cut short: it claims " + std::to_string(rows) + " rows of "
            + std::to_string(rowBytes) + " bytes from byte " + std::to_string(pixelsStart)
            + " on, and holds " + std::to_string(fileSize) + " bytes");
    }

} // namespace

Status checkBmpPixelsPresent(std::span<const std::uint8_t> start, std::uint64_t fileSize)
{
    if (!isBmp(start)) {
        return {};
    }
    if (start.size() < fileHeaderSize + 4) {
        return failure("the BMP file ends inside its header");
    }
    const auto headerSize = knownHeaderSize(start);
    if (!headerSize) {
        return {};
    }
    const std::optional<PixelLayout> layout = layoutIn(start);
    if (!layout || fileSize < fileHeaderSize + std::min(*headerSize, infoHeaderSize)) {
        return failure("the BMP file ends inside its header");
    }
    // Qt's decoder leaves the pixels that a run-length picture does not reach as it found
    // them in memory.
    if (layout->compression == runLength8 || layout->compression == runLength4) {
        return failure("the BMP file is run-length compressed (RLE), which is not read: save it "
                       "uncompressed");
    }
    if (!isUncompressed(layout->compression) || layout->bitsPerPixel == 0
        || layout->bitsPerPixel > 32) {
        return {};
    }
    const std::uint64_t rowBytes = (layout->width * layout->bitsPerPixel + 31) / 32 * 4;
    const std::uint64_t pixelsStart = readLe32(start.data() + 10);
    const std::uint64_t rowsPresent
        = fileSize < pixelsStart || rowBytes == 0 ? 0 : (fileSize - pixelsStart) / rowBytes;
    if (fileSize < pixelsStart || (rowBytes > 0 && rowsPresent < layout->height)) {
        return cutShort(layout->height, rowBytes, pixelsStart, fileSize);
    }
    return {};
}

std::optional<BmpPictureSize> bmpPictureSize(std::span<const std::uint8_t> start)
{
    if (!isBmp(start) || start.size() < fileHeaderSize + 4) {
        return std::nullopt;
    }
    const std::optional<PixelLayout> layout = layoutIn(start);
    if (!layout) {
        return std::nullopt;
    }
    return BmpPictureSize { static_cast<std::uint32_t>(layout->width),
        static_cast<std::uint32_t>(layout->height) };
}

} // namespace tessellon
