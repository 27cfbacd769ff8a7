#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace tessellon {

// The character of the well-formed UTF-8 sequence at text[at], moving at past it; nothing
// (and at unchanged) for a sequence that is cut off, overlong, a surrogate or beyond
// U+10FFFF.
std::optional<char32_t> decodeUtf8(std::string_view text, std::size_t& at);

// Appends the UTF-8 bytes of a character (a scalar value: no surrogate, at most U+10FFFF).
void appendUtf8(std::string& text, char32_t code);

bool isUnicodeScalar(char32_t code);

// "U+00E9", "U+4E2D", "U+1F600": the code in at least four hexadecimal digits.
std::string codePointName(char32_t code);

// Where text is not UTF-8 or holds a NUL byte: the 1-based line and what is there ("a NUL
// byte", "the byte 0xE9, which is not UTF-8"); nothing for well-formed text.
struct TextFault {
    std::size_t line = 0;
    std::string what;
};
std::optional<TextFault> findTextFault(std::string_view text);

} // namespace tessellon
