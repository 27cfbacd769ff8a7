#include "formats/HexDigits.h"

#include <array>
#include <cstdio>

namespace tessellon {

namespace {

    constexpr std::array<std::int8_t, 256> digitTable()
    {
        std::array<std::int8_t, 256> table {};
        table.fill(-1);
        for (int i = 0; i < 10; ++i) {
            table['0' + i] = static_cast<std::int8_t>(i);
        }
        for (int i = 0; i < 6; ++i) {
            table['a' + i] = static_cast<std::int8_t>(10 + i);
            table['A' + i] = static_cast<std::int8_t>(10 + i);
        }
        return table;
    }

    constexpr std::array<std::int8_t, 256> digits = digitTable();

} // namespace

int hexDigitValue(char c) { return digits[static_cast<unsigned char>(c)]; }

Status parseHexBytes(std::string_view text, std::span<std::uint8_t> bytes)
{
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const int high = hexDigitValue(text[2 * i]);
        const int low = hexDigitValue(text[2 * i + 1]);
        if (high < 0 || low < 0) {
            return failure(notHexDigitMessage(high < 0 ? text[2 * i] : text[2 * i + 1]));
        }
        bytes[i] = static_cast<std::uint8_t>(high << 4 | low);
    }
    return {};
}

std::string notHexDigitMessage(char c)
{
    const auto byte = static_cast<unsigned char>(c);
    if (byte > 0x20 && byte < 0x7F) {
        return std::string("'") + c + "' is not a hexadecimal digit";
    }
    char text[48];
    std::snprintf(text, sizeof text, "the byte 0x%02X is not a hexadecimal digit", byte);
    return text;
}

} // namespace tessellon
