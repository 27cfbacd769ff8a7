#include "export/HexText.h"

#include <array>
#include <cstring>

namespace tessellon {

namespace {

    using HexTable = std::array<std::array<std::uint8_t, hexTextBytesPerByte>, 256>;

    constexpr HexTable makeHexTable()
    {
        constexpr char digits[] = "0123456789abcdef";
        HexTable table {};
        for (int value = 0; value < 256; ++value) {
            table[value] = { '0', 'x', static_cast<std::uint8_t>(digits[value >> 4]),
                static_cast<std::uint8_t>(digits[value & 15]), ',' };
        }
        return table;
    }

    constexpr HexTable hexTable = makeHexTable();

} // namespace

void writeHexText(const std::uint8_t* bytes, std::size_t count, std::uint8_t* text)
{
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint8_t value = bytes[i];
        std::memcpy(text + i * hexTextBytesPerByte, hexTable[value].data(), hexTextBytesPerByte);
    }
}

} // namespace tessellon
