#include "export/BitWriter.h"

#include <gtest/gtest.h>

using namespace tessellon;

namespace {

TEST(BitWriter, WritesTheHighestBitFirstAcrossBytes)
{
    BitWriter out;
    out.put(0b101, 3);
    out.put(0xFF, 8);
    out.put(1, 1);
    out.put(0, 0);
    EXPECT_EQ(out.bitCount(), 12u);
    EXPECT_EQ(out.bytes(), (std::vector<std::uint8_t> { 0xBF, 0xF0 }));
}

TEST(BitWriter, PixelsAndAppendedStreamsKeepTheirOrder)
{
    BitWriter pixels;
    const std::vector<std::uint8_t> row { 0x0F, 0xF8, 0x00 };
    pixels.putPixels(row, 4, 9); // 1111 1111 1
    EXPECT_EQ(pixels.bytes(), (std::vector<std::uint8_t> { 0xFF, 0x80 }));

    BitWriter first;
    first.put(1, 1);
    BitWriter second;
    second.put(0b1010, 4);
    second.put(0b11001, 5);
    first.append(second); // 1 1010 11001
    EXPECT_EQ(first.bitCount(), 10u);
    EXPECT_EQ(first.bytes(), (std::vector<std::uint8_t> { 0xD6, 0x40 }));
}

TEST(BitWriter, BitsForIsTheWidthOfTheLargestNumber)
{
    const std::vector<std::pair<std::uint64_t, int>> cases { { 0, 0 }, { 1, 0 }, { 2, 1 }, { 3, 2 },
        { 4, 2 }, { 5, 3 }, { 256, 8 }, { 257, 9 }, { 4095, 12 } };
    for (const auto& [n, bits] : cases) {
        EXPECT_EQ(bitsFor(n), bits) << n;
    }
}

} // namespace
