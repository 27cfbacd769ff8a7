#pragma once

#include "script/ScriptBuiltins.h"
#include "script/Token.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace tessellon {

// Cuts script text into tokens. Positions are indices into the text; the text ends at its
// first NUL byte or at its end. Reading a token changes nothing but the error position, so
// the compiler can read again from any saved position.
class ScriptLexer {
public:
    // Sets the text start and puts the error position there.
    void start(std::string_view text);
    void setFontNumber(std::int32_t value);
    // Where the values of the constants come from; none gives them all 0.
    void setBuiltins(const ScriptBuiltins* builtins) { m_builtins = builtins; }

    // Reads the next significant token from pos and returns the position after it. Raises
    // UnknownSymbol for a bad character and TokenTooLong for a token over tokenTextCapacity
    // characters.
    std::size_t CsubNextToken(std::size_t pos, Token& token);

    std::size_t errorPosition() const { return m_errorPosition; }
    // 1 plus the number of line feeds before the error position.
    int errorLine() const;
    // The text of the last significant token read, quoted by errors found away from it.
    std::string_view lastTokenText() const { return m_lastToken.text(); }

private:
    std::size_t scanRaw(std::size_t pos, Token& token) const;
    std::size_t scanBlank(std::size_t pos, Token& token) const;
    std::size_t scanSlash(std::size_t pos, Token& token) const;
    std::size_t scanString(std::size_t pos, Token& token) const;
    std::size_t scanWord(std::size_t pos, Token& token) const;
    std::size_t scanNumber(std::size_t pos, Token& token) const;
    std::size_t scanPair(std::size_t pos, Token& token, TokenKind single, TokenKind pair) const;
    void classifyWord(Token& token) const;
    char at(std::size_t pos) const { return pos < m_text.size() ? m_text[pos] : '\0'; }

    std::string_view m_text;
    std::size_t m_errorPosition = 0;
    std::int32_t m_fontNumber = 0;
    const ScriptBuiltins* m_builtins = nullptr;
    Token m_lastToken;
};

} // namespace tessellon
