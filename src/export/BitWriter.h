#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace tessellon {

// A stream of bits, most significant bit of each byte first, that the last byte pads with
// zeros.
class BitWriter {
public:
    // The low `bits` bits of value (at most 32), the highest first.
    void put(std::uint32_t value, int bits);
    // `count` bits of a packed row (the most significant bit of bytes[0] is pixel 0),
    // starting at pixel `from`.
    void putPixels(std::span<const std::uint8_t> bytes, int from, int count);
    void append(const BitWriter& other);

    std::size_t bitCount() const { return m_bitCount; }
    const std::vector<std::uint8_t>& bytes() const { return m_bytes; }

private:
    std::vector<std::uint8_t> m_bytes;
    std::size_t m_bitCount = 0;
};

// How many bits write the numbers 0 to n - 1 (0 for n <= 1).
int bitsFor(std::uint64_t n);

} // namespace tessellon
