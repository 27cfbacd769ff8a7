#pragma once

#include "document/Result.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace tessellon {

// The value of a hexadecimal digit (either case), or -1 for any other character.
int hexDigitValue(char c);

// Fills bytes from digits, two digits a byte, the first digit the high half; digits holds
// exactly 2 * bytes.size() characters. Refused, naming the first character that is not a
// hexadecimal digit.
Status parseHexBytes(std::string_view digits, std::span<std::uint8_t> bytes);

// "'G' is not a hexadecimal digit", with characters that cannot be shown given as bytes.
std::string notHexDigitMessage(char c);

} // namespace tessellon
