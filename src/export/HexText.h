#pragma once

#include <cstddef>
#include <cstdint>

namespace tessellon {

// Every byte becomes the five characters "0x%02x,": lower-case digits, a comma after each
// byte, the last one included, nothing in between.
inline constexpr std::size_t hexTextBytesPerByte = 5;

// Writes the text of count bytes to text (5 * count characters, no terminating zero).
// The bytes may lie inside the text area itself, at text + 4 * count, its last count
// positions: each byte is read before the characters written so far can reach it, so
// an item can be laid out in the tail of its buffer and turned into text in place.
void writeHexText(const std::uint8_t* bytes, std::size_t count, std::uint8_t* text);

} // namespace tessellon
