#include "formats/BmpHeader.h"

#include "document/LittleEndian.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

namespace tessellon {
namespace {

    using Bytes = std::vector<std::uint8_t>;

    struct BmpHeader {
        std::uint32_t headerSize = 40;
        std::int32_t width = 5;
        std::int32_t height = 3;
        std::uint16_t bitsPerPixel = 24;
        std::uint32_t compression = 0;
        std::uint32_t paletteBytes = 0;
    };

    // A BMP file with every pixel row its header claims (rows padded to four bytes).
    Bytes bmpFile(const BmpHeader& h)
    {
        const std::uint32_t pixelsStart = 14 + h.headerSize + h.paletteBytes;
        const std::uint32_t rowBytes = (std::uint32_t(h.width) * h.bitsPerPixel + 31) / 32 * 4;
        const std::uint32_t rows = h.height < 0 ? -h.height : h.height;
        Bytes bytes(pixelsStart + rowBytes * rows, 0);
        bytes[0] = 'B';
        bytes[1] = 'M';
        writeLe32(&bytes[2], static_cast<std::uint32_t>(bytes.size()));
        writeLe32(&bytes[10], pixelsStart);
        writeLe32(&bytes[14], h.headerSize);
        if (h.headerSize == 12) {
            writeLe16(&bytes[18], static_cast<std::uint16_t>(h.width));
            writeLe16(&bytes[20], static_cast<std::uint16_t>(h.height));
            writeLe16(&bytes[22], 1);
            writeLe16(&bytes[24], h.bitsPerPixel);
        } else {
            writeLe32(&bytes[18], static_cast<std::uint32_t>(h.width));
            writeLe32(&bytes[22], static_cast<std::uint32_t>(h.height));
            writeLe16(&bytes[26], 1);
            writeLe16(&bytes[28], h.bitsPerPixel);
            writeLe32(&bytes[30], h.compression);
        }
        return bytes;
    }

    Bytes cut(Bytes bytes, std::size_t count)
    {
        bytes.resize(bytes.size() - count);
        return bytes;
    }

    struct BmpCase {
        const char* name;
        BmpHeader header;
    };

    const BmpCase uncompressed[] = {
        { "24 bits", {} },
        { "1 bit, two colours", { 40, 13, 4, 1, 0, 8 } },
        { "8 bits", { 40, 3, 3, 8, 0, 1024 } },
        { "32 bits with bit fields", { 40, 7, 2, 32, 3, 12 } },
        { "stored top down", { 40, 5, -3, 24, 0, 0 } },
        { "version 5 header", { 124, 9, 9, 24, 0, 0 } },
        { "old 12-byte header", { 12, 6, 2, 24, 0, 0 } },
    };

    TEST(CheckBmpPixelsPresent, WholeFilesPass)
    {
        for (const BmpCase& c : uncompressed) {
            EXPECT_TRUE(checkBmpPixelsPresent(bmpFile(c.header)).ok()) << c.name;
        }
    }

    TEST(CheckBmpPixelsPresent, FilesCutShortAreRefusedWithTheReason)
    {
        for (const BmpCase& c : uncompressed) {
            const Status checked = checkBmpPixelsPresent(cut(bmpFile(c.header), 1));
            EXPECT_FALSE(checked.ok()) << c.name;
            EXPECT_NE(checked.message().find("cut short"), std::string::npos) << c.name;
        }
    }

    // Readers that stream a file check its first bytes and its size: the same answer as the
    // whole file gives, at every length it may be cut to.
    TEST(CheckBmpPixelsPresent, TheHeaderAndTheFileSizeTellWhatTheWholeFileDoes)
    {
        for (const BmpCase& c : uncompressed) {
            const Bytes file = bmpFile(c.header);
            for (std::size_t size = 0; size <= file.size(); ++size) {
                const Bytes whole(file.begin(), file.begin() + size);
                const std::span<const std::uint8_t> start
                    = std::span(whole).first(std::min(size, bmpHeaderBytes));
                EXPECT_EQ(checkBmpPixelsPresent(start, size).message(),
                    checkBmpPixelsPresent(whole).message())
                    << c.name << ", " << size << " bytes";
                // Fewer than two bytes are no BMP: Qt's readers refuse them.
                EXPECT_EQ(checkBmpPixelsPresent(whole).ok(), size == file.size() || size < 2)
                    << c.name << ", " << size << " bytes";
            }
        }
    }

    TEST(BmpPictureSize, IsTheHeadersWidthAndRowsWhicheverWayTheyAreStored)
    {
        for (const BmpCase& c : uncompressed) {
            const std::optional<BmpPictureSize> size = bmpPictureSize(bmpFile(c.header));
            ASSERT_TRUE(size.has_value()) << c.name;
            EXPECT_EQ(*size,
                (BmpPictureSize {
                    std::uint32_t(c.header.width), std::uint32_t(std::abs(c.header.height)) }))
                << c.name;
        }
        const Bytes png { 0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A };
        EXPECT_FALSE(bmpPictureSize(png).has_value());
        EXPECT_FALSE(bmpPictureSize(cut(bmpFile({}), bmpFile({}).size() - 20)).has_value());
    }

    TEST(CheckBmpPixelsPresent, HeadersCutShortAreRefused)
    {
        const Bytes file = bmpFile({});
        for (const std::size_t size : { 2u, 10u, 17u, 30u, 53u }) {
            EXPECT_FALSE(checkBmpPixelsPresent(Bytes(file.begin(), file.begin() + size)).ok())
                << size << " bytes";
        }
    }

    TEST(CheckBmpPixelsPresent, LeavesOtherPicturesToTheirReader)
    {
        const Bytes png { 0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A };
        EXPECT_TRUE(checkBmpPixelsPresent(png).ok());
        EXPECT_TRUE(checkBmpPixelsPresent({}).ok());
        BmpHeader unknownHeader { 20, 64, 64, 24, 0, 0 };
        EXPECT_TRUE(checkBmpPixelsPresent(cut(bmpFile(unknownHeader), 2000)).ok());
    }

    TEST(CheckBmpPixelsPresent, RunLengthCompressedFilesAreRefused)
    {
        for (const BmpHeader rle :
            { BmpHeader { 40, 64, 64, 8, 1, 1024 }, BmpHeader { 40, 64, 64, 4, 2, 64 } }) {
            EXPECT_EQ(checkBmpPixelsPresent(bmpFile(rle)).message(),
                "the BMP file is run-length compressed (RLE), which is not read: save it "
                "uncompressed");
        }
    }

    TEST(CheckBmpPixelsPresent, HugeClaimsAreRefusedWithoutOverflow)
    {
        Bytes file = bmpFile({});
        writeLe32(&file[18], 0x7FFFFFFF);
        writeLe32(&file[22], 0x80000000u);
        writeLe16(&file[28], 32);
        EXPECT_FALSE(checkBmpPixelsPresent(file).ok());
    }

} // namespace
} // namespace tessellon
