#include "document/Utf8.h"

#include <array>

namespace tessellon {

namespace {

    bool isContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

    // The length a lead byte announces and the bits it carries; 0 for a byte that cannot
    // lead.
    std::size_t sequenceLength(unsigned char lead)
    {
        if (lead < 0x80) {
            return 1;
        }
        if (lead >= 0xC2 && lead <= 0xDF) {
            return 2;
        }
        if (lead >= 0xE0 && lead <= 0xEF) {
            return 3;
        }
        return lead >= 0xF0 && lead <= 0xF4 ? 4 : 0;
    }

    std::string hexByte(unsigned char byte)
    {
        static constexpr char digits[] = "0123456789ABCDEF";
        std::string text = "0x";
        text += digits[byte >> 4];
        text += digits[byte & 15];
        return text;
    }

} // namespace

bool isUnicodeScalar(char32_t code) { return code <= 0x10FFFF && (code < 0xD800 || code > 0xDFFF); }

std::optional<char32_t> decodeUtf8(std::string_view text, std::size_t& at)
{
    if (at >= text.size()) {
        return std::nullopt;
    }
    const auto lead = static_cast<unsigned char>(text[at]);
    const std::size_t length = sequenceLength(lead);
    if (length == 0 || text.size() - at < length) {
        return std::nullopt;
    }
    static constexpr std::array<unsigned char, 5> leadBits { 0, 0x7F, 0x1F, 0x0F, 0x07 };
    static constexpr std::array<char32_t, 5> smallest { 0, 0, 0x80, 0x800, 0x10000 };
    char32_t code = lead & leadBits[length];
    for (std::size_t i = 1; i < length; ++i) {
        const auto byte = static_cast<unsigned char>(text[at + i]);
        if (!isContinuation(byte)) {
            return std::nullopt;
        }
        code = (code << 6) | (byte & 0x3F);
    }
    if (code < smallest[length] || !isUnicodeScalar(code)) {
        return std::nullopt;
    }
    at += length;
    return code;
}

void appendUtf8(std::string& text, char32_t code)
{
    if (code < 0x80) {
        text += static_cast<char>(code);
    } else if (code < 0x800) {
        text += static_cast<char>(0xC0 | (code >> 6));
        text += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        text += static_cast<char>(0xE0 | (code >> 12));
        text += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        text += static_cast<char>(0xF0 | (code >> 18));
        text += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        text += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (code & 0x3F));
    }
}

std::string codePointName(char32_t code)
{
    static constexpr char digits[] = "0123456789ABCDEF";
    std::string hex;
    for (char32_t rest = code; rest != 0 || hex.size() < 4; rest >>= 4) {
        hex.insert(hex.begin(), digits[rest & 15]);
    }
    hex.insert(0, "U+");
    return hex;
}

std::optional<TextFault> findTextFault(std::string_view text)
{
    std::size_t line = 1;
    for (std::size_t at = 0; at < text.size();) {
        const auto byte = static_cast<unsigned char>(text[at]);
        if (byte == 0) {
            return TextFault { line, "a NUL byte" };
        }
        if (byte == '\n') {
            ++line;
        }
        if (!decodeUtf8(text, at)) {
            return TextFault { line, "the byte " + hexByte(byte) + ", which is not UTF-8" };
        }
    }
    return std::nullopt;
}

} // namespace tessellon
