#include "document/PixReader.h"
#include "document/PixWriter.h"

#include "TempDir.h"

#include <gtest/gtest.h>

#include <optional>

#include <sys/stat.h>

namespace tessellon {
namespace {

    using Bytes = std::vector<std::uint8_t>;

    void putLe16(Bytes& bytes, std::size_t at, std::uint16_t v)
    {
        bytes[at] = static_cast<std::uint8_t>(v);
        bytes[at + 1] = static_cast<std::uint8_t>(v >> 8);
    }

    void putLe32(Bytes& bytes, std::size_t at, std::uint32_t v)
    {
        for (int i = 0; i < 4; ++i) {
            bytes[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
        }
    }

    // A file assembled by hand, independent of the writer.
    Bytes handMadeFile(std::uint32_t glyphCount, std::uint16_t codeTableFlag, std::uint16_t width,
        std::uint16_t height, std::uint32_t codeOffset, std::uint32_t pixelOffset, std::size_t size)
    {
        Bytes bytes(size, 0);
        bytes[0] = 'F';
        bytes[1] = 'T';
        putLe16(bytes, 2, 1);
        putLe32(bytes, 8, codeOffset);
        putLe32(bytes, 12, pixelOffset);
        putLe32(bytes, 16, glyphCount);
        putLe16(bytes, 20, codeTableFlag);
        putLe16(bytes, 24, width);
        putLe16(bytes, 26, height);
        return bytes;
    }

    Result<FontLib> readBytes(const Bytes& bytes)
    {
        MemoryByteSource source(bytes);
        return readPix(source);
    }

    TEST(PixReader, ReadsSectionsThroughTheirOffsetsInAnyOrder)
    {
        // Two 8 x 2 glyphs: pixel data at 28, code table after it at 32.
        Bytes bytes = handMadeFile(2, 1, 8, 2, 32, 28, 36);
        const std::uint8_t pixels[] = { 0x18, 0x24, 0x3C, 0x42 };
        std::copy(std::begin(pixels), std::end(pixels), bytes.begin() + 28);
        putLe16(bytes, 32, 0x004A);
        putLe16(bytes, 34, 0xFFFF);

        const Result<FontLib> result = readBytes(bytes);
        ASSERT_TRUE(result.ok()) << result.message();
        EXPECT_EQ(result->pixelData, (Bytes { 0x18, 0x24, 0x3C, 0x42 }));
        ASSERT_TRUE(result->codeTable.has_value());
        EXPECT_EQ(*result->codeTable, (std::vector<std::uint16_t> { 0x004A, 0xFFFF }));
    }

    TEST(PixReader, IgnoresVersionAndHeaderReservedButKeepsInfoReserved)
    {
        Bytes bytes = handMadeFile(1, 0, 3, 1, 0, 28, 29);
        putLe16(bytes, 2, 7);
        putLe32(bytes, 4, 0xDEADBEEF);
        putLe16(bytes, 22, 0x1234);
        bytes[28] = 0xA0;
        const Result<FontLib> result = readBytes(bytes);
        ASSERT_TRUE(result.ok()) << result.message();
        EXPECT_EQ(result->info.reserved, 0x1234);
        EXPECT_EQ(result->pixelData, (Bytes { 0xA0 }));
    }

    // The header's reserved field carries the baseline as 'B' 'L' and 16 bits; anything else
    // there, as in files of the plain format, leaves it unknown.
    TEST(PixReader, TheBaselineComesFromATaggedHeaderReservedField)
    {
        struct Case {
            std::uint32_t reserved;
            std::optional<int> baseline;
        };
        const Case cases[] = {
            { 0, std::nullopt },
            { 0x000D4C42, 13 }, // 'B' 'L' 13
            { 0x00104C42, 16 }, // the cell's bottom edge
            { 0x00004C42, 0 },
            { 0x00114C42, std::nullopt }, // below the cell
            { 0x000D4C43, std::nullopt }, // another tag
            { 0xDEADBEEF, std::nullopt },
        };
        for (const Case& c : cases) {
            Bytes bytes = handMadeFile(1, 0, 8, 16, 0, 28, 28 + 16);
            putLe32(bytes, 4, c.reserved);
            const Result<FontLib> result = readBytes(bytes);
            ASSERT_TRUE(result.ok()) << result.message();
            EXPECT_EQ(result->baseline, c.baseline) << std::hex << c.reserved;
        }
    }

    TEST(PixReader, ACodeTableFlagOtherThanOneMeansNoCodeTable)
    {
        for (std::uint16_t flag : { 0, 2, 0xFFFF }) {
            // The code offset points far outside the file: it must not be looked at.
            const Bytes bytes = handMadeFile(1, flag, 8, 1, 0xFFFFFFF0, 28, 29);
            const Result<FontLib> result = readBytes(bytes);
            ASSERT_TRUE(result.ok()) << "flag " << flag << ": " << result.message();
            EXPECT_FALSE(result->codeTable.has_value());
            EXPECT_EQ(result->info.codeTableFlag, flag);
        }
    }

    TEST(PixReader, ZeroGlyphsIsAValidFont)
    {
        const Result<FontLib> result = readBytes(handMadeFile(0, 1, 16, 16, 28, 28, 28));
        ASSERT_TRUE(result.ok()) << result.message();
        EXPECT_EQ(result->info.glyphCount, 0u);
        EXPECT_TRUE(result->pixelData.empty());
        ASSERT_TRUE(result->codeTable.has_value());
        EXPECT_TRUE(result->codeTable->empty());
    }

    TEST(PixReader, RefusesFilesThatDoNotStartWithFT)
    {
        for (const Bytes& bytes :
            { Bytes {}, Bytes { 'F' }, Bytes { 'F', 'X' }, Bytes { 'f', 't' }, Bytes(100, 0x46) }) {
            const Result<FontLib> result = readBytes(bytes);
            EXPECT_FALSE(result.ok());
            EXPECT_EQ(result.message(), "This is not an font pixel file!");
        }
    }

    TEST(PixReader, RefusesAFileThatEndsInsideItsHeader)
    {
        const Bytes full = handMadeFile(0, 0, 8, 8, 0, 28, 28);
        for (std::size_t size = 2; size < 28; ++size) {
            const Result<FontLib> result = readBytes(Bytes(full.begin(), full.begin() + size));
            EXPECT_FALSE(result.ok()) << size << " bytes";
            EXPECT_NE(result.message().find("damaged"), std::string::npos) << result.message();
        }
    }

    TEST(PixReader, RefusesSectionsThatDoNotFitInTheFile)
    {
        struct Case {
            const char* what;
            Bytes bytes;
        };
        const Case cases[] = {
            { "pixels one byte short", handMadeFile(2, 0, 8, 2, 0, 28, 31) },
            { "code table one byte short", handMadeFile(2, 1, 8, 2, 28, 28, 31) },
            { "huge glyph count", handMadeFile(0xFFFFFFFF, 0, 8, 8, 0, 28, 64) },
            { "huge glyph count with codes", handMadeFile(0xFFFFFFFF, 1, 1, 1, 28, 28, 64) },
            { "pixel offset past the end", handMadeFile(1, 0, 8, 1, 0, 0xFFFFFFFF, 64) },
            { "code offset wraps", handMadeFile(1, 1, 8, 1, 0xFFFFFFFF, 28, 64) },
        };
        for (const auto& c : cases) {
            const Result<FontLib> result = readBytes(c.bytes);
            EXPECT_FALSE(result.ok()) << c.what;
            EXPECT_EQ(result.message().rfind("The font pixel file is damaged: ", 0), 0u)
                << c.what << ": " << result.message();
        }
    }

    TEST(PixReader, RefusesGlyphSizesOutsideTheSupportedRange)
    {
        const std::pair<std::uint16_t, std::uint16_t> sizes[]
            = { { 0, 8 }, { 8, 0 }, { 257, 8 }, { 8, 257 }, { 0xFFFF, 0xFFFF } };
        for (auto [width, height] : sizes) {
            const Result<FontLib> result = readBytes(handMadeFile(0, 0, width, height, 0, 28, 28));
            EXPECT_FALSE(result.ok()) << width << "x" << height;
            EXPECT_NE(result.message().find(std::to_string(width) + " x " + std::to_string(height)),
                std::string::npos)
                << result.message();
        }
        EXPECT_TRUE(readBytes(handMadeFile(0, 0, 256, 256, 0, 28, 28)).ok());
        EXPECT_TRUE(readBytes(handMadeFile(0, 0, 1, 1, 0, 28, 28)).ok());
    }

    TEST(PixReaderFile, ReportsAFileThatCannotBeOpened)
    {
        test::TempDir dir;
        const Result<FontLib> missing = readPixFile(dir.path("missing.pix"));
        EXPECT_FALSE(missing.ok());
        EXPECT_NE(missing.message().find("missing.pix"), std::string::npos);

        const Result<FontLib> folder = readPixFile(dir.root().string());
        EXPECT_NE(folder.message().find("Cannot open file"), std::string::npos);

        // Opening a FIFO for reading would wait for a writer that never comes.
        const std::string fifo = dir.path("fifo.pix");
        ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
        const Result<FontLib> notRegular = readPixFile(fifo);
        EXPECT_NE(notRegular.message().find("Cannot open file"), std::string::npos);
        EXPECT_NE(notRegular.message().find("not a regular file"), std::string::npos)
            << notRegular.message();
    }

} // namespace
} // namespace tessellon
