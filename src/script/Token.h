#pragma once

#include "script/ScriptLimits.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace tessellon {

// Token kinds with the codes the compiler and the keyword table use.
enum class TokenKind : std::uint8_t {
    Identifier = 0x00,
    For = 0x01,
    Do = 0x02,
    Int = 0x03,
    While = 0x04,
    Write = 0x05,
    PutItem = 0x06,
    PutItemZip = 0x07,
    PutItemBin = 0x08,
    PutItemZipBin = 0x09,
    PutItemCol = 0x0A,
    PutItemColBin = 0x0B,
    GetUnicode = 0x0C,
    // The built-ins of export targets (Service.h).
    GlyphAt = 0x0D,
    RunStart = 0x0E,
    InkX = 0x0F,
    InkY = 0x10,
    InkW = 0x11,
    InkH = 0x12,
    Advance = 0x13,
    PutInk = 0x14,
    PutPages = 0x15,
    PutRows = 0x16,
    PutEncoded = 0x17,
    PutName = 0x18,
    PutCmaps = 0x19,
    String = 0x30,
    Number = 0x31,
    Plus = 0x60,
    Minus = 0x61,
    Star = 0x62,
    Slash = 0x63,
    LeftParen = 0x64,
    RightParen = 0x65,
    LeftBracket = 0x66,
    RightBracket = 0x67,
    LeftBrace = 0x68,
    RightBrace = 0x69,
    Assign = 0x6A,
    Less = 0x6B,
    Greater = 0x6C,
    Semicolon = 0x6D,
    Comma = 0x6E,
    Equal = 0x6F,
    LessEqual = 0x70,
    GreaterEqual = 0x71,
    NotEqual = 0x72,
    PlusPlus = 0x73,
    MinusMinus = 0x74,
    Blank = 0xF0,
    Comment = 0xF1,
    Bad = 0xFE,
    End = 0xFF,
};

// One token: its kind and its text in a fixed buffer of tokenTextCapacity characters.
// Characters beyond the capacity are dropped and mark the token as too long.
struct Token {
    TokenKind kind = TokenKind::End;
    bool tooLong = false;
    std::uint8_t length = 0;
    std::array<char, tokenTextCapacity + 1> chars {};

    std::string_view text() const { return { chars.data(), length }; }

    void reset(TokenKind newKind)
    {
        kind = newKind;
        tooLong = false;
        length = 0;
    }

    void append(char c)
    {
        if (length < tokenTextCapacity) {
            chars[length++] = c;
        } else {
            tooLong = true;
        }
    }

    void assign(std::string_view text)
    {
        length = 0;
        tooLong = false;
        for (char c : text) {
            append(c);
        }
    }
};

} // namespace tessellon
