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
    // The built-ins of export targets, served by ScriptBuiltins, numbered from 0x100 so that
    // CAL 8 and the numbers after it do nothing, as ever: values of one argument,
    GlyphAt = 0x100,
    RunStart = 0x101,
    InkX = 0x102,
    InkY = 0x103,
    InkW = 0x104,
    InkH = 0x105,
    Advance = 0x106,
    // items,
    PutInk = 0x107,
    PutPages = 0x108,
    PutRows = 0x109,
    PutEncoded = 0x10A,
    PutName = 0x10B,
    PutCmaps = 0x10C,
    // and constants, whose names the lexer replaces by their values as it does FONT_NUMBER's.
    FontWidth = 0x10D,
    FontHeight = 0x10E,
    FontBaseline = 0x10F,
    CodeCount = 0x110,
    RunCount = 0x111,
    SpaceAdvance = 0x112,
    Proportional = 0x113,
    Layout = 0x114,
    EncodedBytes = 0x115,
};

inline constexpr std::uint32_t firstTargetService = 0x100;
// The language's own services (0 to 7) and the export targets' (from firstTargetService).
inline constexpr int serviceCount = 30;
inline constexpr int languageServiceCount = 8;

// What a service takes above the mark that MST pushed before its arguments.
enum class ServiceArgument : std::uint8_t {
    Format, // a format's data offset, then up to 8 words; CAL carries their count
    GlyphIndex, // one word: a glyph index, or a place in code order, a run, a line
    None, // nothing: NAME();
    Constant, // never called: the lexer gives its value where its name stands
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
    // Served by the ScriptBuiltins of the run rather than the PUTITEM and GETUNICODE
    // callbacks; without them a value is 0, an item empty and a constant 0.
    bool builtin = false;
};

// Description of a service, null for numbers without one (CAL does nothing for them).
const ServiceInfo* serviceInfo(std::uint32_t number);
// The service a keyword token calls, null for every other token (constants are no keywords).
const ServiceInfo* serviceOfKeyword(TokenKind kind);
// The service a word names (case-sensitive), constants included; null for every other word.
const ServiceInfo* serviceNamed(std::string_view word);

constexpr std::uint32_t serviceNumber(Service service)
{
    return static_cast<std::uint32_t>(service);
}

} // namespace tessellon
