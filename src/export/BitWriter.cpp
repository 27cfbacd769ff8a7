#include "export/BitWriter.h"

#include <algorithm>
#include <cassert>

namespace tessellon {

void BitWriter::put(std::uint32_t value, int bits)
{
    assert(bits >= 0 && bits <= 32);
    while (bits > 0) {
        if (m_bitCount % 8 == 0) {
            m_bytes.push_back(0);
        }
        const int free = 8 - static_cast<int>(m_bitCount % 8);
        const int take = std::min(free, bits);
        const std::uint32_t chunk = (value >> (bits - take)) & ((1u << take) - 1);
        m_bytes.back() |= static_cast<std::uint8_t>(chunk << (free - take));
        m_bitCount += static_cast<std::size_t>(take);
        bits -= take;
    }
}

void BitWriter::putPixels(std::span<const std::uint8_t> bytes, int from, int count)
{
    int x = from;
    while (x < from + count) {
        const int take = std::min(24, from + count - x);
        std::uint32_t chunk = 0;
        for (const int end = x + take; x < end; ++x) {
            chunk = (chunk << 1) | ((bytes[x / 8] >> (7 - x % 8)) & 1u);
        }
        put(chunk, take);
    }
}

void BitWriter::append(const BitWriter& other)
{
    const std::size_t wholeBytes = other.m_bitCount / 8;
    for (std::size_t i = 0; i < wholeBytes; ++i) {
        put(other.m_bytes[i], 8);
    }
    const int rest = static_cast<int>(other.m_bitCount % 8);
    if (rest > 0) {
        put(static_cast<std::uint32_t>(other.m_bytes[wholeBytes] >> (8 - rest)), rest);
    }
}

int bitsFor(std::uint64_t n)
{
    int bits = 0;
    while (bits < 64 && (std::uint64_t { 1 } << bits) < n) {
        ++bits;
    }
    return bits;
}

} // namespace tessellon
