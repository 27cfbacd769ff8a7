#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace tessellon {

// Appends bit fields to a byte vector, each value's least significant bit first, every byte
// filled from its lowest bit up.
class BitPacker {
public:
    explicit BitPacker(std::vector<std::uint8_t>& bytes)
        : m_bytes(bytes)
    {
    }

    // The low `bits` bits of value (0 to 24 bits).
    void put(std::uint32_t value, int bits)
    {
        m_pending |= (value & ((1u << bits) - 1)) << m_pendingBits;
        m_pendingBits += bits;
        m_bits += static_cast<std::size_t>(bits);
        while (m_pendingBits >= 8) {
            m_bytes.push_back(static_cast<std::uint8_t>(m_pending));
            m_pending >>= 8;
            m_pendingBits -= 8;
        }
    }

    // Every bit put so far.
    std::size_t bits() const { return m_bits; }

    // Writes the last, partly filled byte (its unused high bits 0).
    void finish()
    {
        if (m_pendingBits > 0) {
            m_bytes.push_back(static_cast<std::uint8_t>(m_pending));
        }
        m_pending = 0;
        m_pendingBits = 0;
    }

private:
    std::vector<std::uint8_t>& m_bytes;
    std::uint32_t m_pending = 0;
    int m_pendingBits = 0;
    std::size_t m_bits = 0;
};

} // namespace tessellon
