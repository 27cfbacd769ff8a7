#pragma once

#include "script/Token.h"

#include <cstdint>
#include <string_view>

namespace tessellon {

// Built-in services, called by CAL with the service number as operand.
enum class Service : std::uint32_t {
    Write = 0,
    PutItem = 1,
    PutItemZip = 2,
    PutItemBin = 3,
    PutItemZipBin = 4,
    PutItemCol = 5,
    PutItemColBin = 6,
    GetUnicode = 7,
};

inline constexpr int serviceCount = 8;

// What a service takes above the mark that MST pushed before its arguments.
enum class ServiceArgument : std::uint8_t {
    Format, // a format's data offset, then up to 8 words; CAL carries their count
    GlyphIndex, // one glyph index
};

// The layout flags a glyph built-in hands to the PUTITEM callback.
struct ItemFlags {
    std::int32_t zip = 0;
    std::int32_t bin = 0;
    std::int32_t col = 0;
};

struct ServiceInfo {
    Service service;
    std::string_view name; // the keyword that calls it
    TokenKind keyword;
    ServiceArgument argument;
    bool givesValue; // leaves one word on the stack (GETUNICODE's code)
    ItemFlags item; // glyph built-ins only
    std::string_view doc;
};

// Description of a service, null for numbers without one (CAL does nothing for them).
const ServiceInfo* serviceInfo(std::uint32_t number);
// The service a keyword token calls, null for every other token.
const ServiceInfo* serviceOfKeyword(TokenKind kind);
// The service a word names (case-sensitive), null for every other word.
const ServiceInfo* serviceNamed(std::string_view word);

constexpr std::uint32_t serviceNumber(Service service)
{
    return static_cast<std::uint32_t>(service);
}

} // namespace tessellon
