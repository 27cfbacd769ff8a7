#include "creation/CharSetReader.h"

#include "TempDir.h"

#include <gtest/gtest.h>

namespace tessellon {
namespace {

    struct Unit {
        std::uint16_t code;
        std::uint64_t position;
        bool operator==(const Unit&) const = default;
    };

    std::vector<Unit> readUnits(ByteSource& source)
    {
        CharSetReader reader(source);
        std::vector<Unit> units;
        while (const auto code = reader.next()) {
            units.push_back({ *code, reader.position() });
        }
        return units;
    }

    std::vector<Unit> readUnits(const std::vector<std::uint8_t>& bytes)
    {
        MemoryByteSource source(bytes);
        return readUnits(source);
    }

    TEST(CharSetReader, EightBitUnitsAreBytesInFileOrder)
    {
        const std::vector<Unit> expected { { 0x41, 1 }, { 0x42, 2 }, { 0x0D, 3 }, { 0x0A, 4 } };
        EXPECT_EQ(readUnits({ 0x41, 0x42, 0x0D, 0x0A }), expected);
    }

    TEST(CharSetReader, HighBytesGiveTheLatin1Code)
    {
        const std::vector<Unit> expected { { 0x80, 1 }, { 0xE9, 2 }, { 0xFF, 3 } };
        EXPECT_EQ(readUnits({ 0x80, 0xE9, 0xFF }), expected);
    }

    TEST(CharSetReader, Utf16UnitsFollowTheMarkAndPositionsCountIt)
    {
        const std::vector<Unit> expected { { 0x41, 4 }, { 0x42, 6 }, { 0x0A, 8 } };
        EXPECT_EQ(readUnits({ 0xFF, 0xFE, 0x41, 0x00, 0x42, 0x00, 0x0A, 0x00 }), expected);
        EXPECT_EQ(readUnits({ 0xFF, 0xFE, 0x41, 0x00, 0x42, 0x00, 0x0A, 0x00, 0x7F }), expected);
    }

    TEST(CharSetReader, SurrogatesAndRepeatsStaySeparateUnits)
    {
        const std::vector<Unit> expected { { 0xD83D, 4 }, { 0xDE00, 6 }, { 0x20, 8 },
            { 0x20, 10 } };
        EXPECT_EQ(
            readUnits({ 0xFF, 0xFE, 0x3D, 0xD8, 0x00, 0xDE, 0x20, 0x00, 0x20, 0x00 }), expected);
    }

    TEST(CharSetReader, MarkAloneAndEmptyFileGiveNothing)
    {
        EXPECT_TRUE(readUnits({ 0xFF, 0xFE }).empty());
        EXPECT_TRUE(readUnits({}).empty());
    }

    TEST(CharSetReader, OneByteFileGivesOneUnit)
    {
        const std::vector<Unit> expected { { 0xFF, 1 } };
        EXPECT_EQ(readUnits({ 0xFF }), expected);
    }

    TEST(CharSetReader, UnitsAcrossReadChunksComeOutWhole)
    {
        std::vector<std::uint8_t> bytes { 0xFF, 0xFE };
        for (std::uint32_t i = 0; i < 5000; ++i) {
            bytes.push_back(static_cast<std::uint8_t>(i));
            bytes.push_back(static_cast<std::uint8_t>(0x40 + (i >> 8)));
        }
        const auto units = readUnits(bytes);
        ASSERT_EQ(units.size(), 5000u);
        for (std::uint32_t i = 0; i < 5000; ++i) {
            ASSERT_EQ(units[i].code, static_cast<std::uint16_t>(0x4000 + i)) << i;
            ASSERT_EQ(units[i].position, 2 + 2 * (i + 1)) << i;
        }
    }

    // A source that claims more bytes than it can deliver, as a file that shrinks while
    // it is read.
    class ShrinkingSource final : public ByteSource {
    public:
        std::uint64_t size() const override { return 10000; }
        bool readAt(std::uint64_t offset, std::span<std::uint8_t> destination) override
        {
            if (offset + destination.size() > 4096) {
                return false;
            }
            std::fill(destination.begin(), destination.end(), 0x41);
            return true;
        }
    };

    TEST(CharSetReader, SourceThatEndsEarlyStopsTheReading)
    {
        ShrinkingSource source;
        CharSetReader reader(source);
        int units = 0;
        while (reader.next()) {
            ++units;
            ASSERT_LT(units, 10000);
        }
        EXPECT_EQ(units, 4096);
    }

    TEST(CharSetReader, ReadsAFileOnDisk)
    {
        test::TempDir folder;
        const auto path = folder.write("set.txt", { 'A', 'B', 0xC4 });
        auto source = FileByteSource::open(path);
        ASSERT_TRUE(source) << source.message();
        const std::vector<Unit> expected { { 0x41, 1 }, { 0x42, 2 }, { 0xC4, 3 } };
        EXPECT_EQ(readUnits(**source), expected);
    }

} // namespace
} // namespace tessellon
