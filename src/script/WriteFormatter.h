#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace tessellon {

// Formats the text of a WRITE by the C printf rules for the integer conversions, without
// ever handing the script's format to the C library:
// - %d %i %u %x %X %o %c and %%, with the flags - + space # 0, a width, a precision, and *
//   for either (taken from the arguments; a negative * width means '-', a negative *
//   precision means none). Length modifiers (h l L q j z t) are accepted and ignored:
//   every argument is a 32-bit word.
// - Any other conversion (%s %n %p %f ..., or a lone % at the end) is copied to the text
//   as written and takes no argument.
// - A conversion or * with no argument left uses the value 0.
// - The text is cut after out.size() characters.
// The format ends at its first NUL or at its end. Returns the number of characters placed
// in out; a %c of 0 places a NUL byte.
std::size_t formatWrite(
    std::string_view format, std::span<const std::uint32_t> args, std::span<char> out);

} // namespace tessellon
