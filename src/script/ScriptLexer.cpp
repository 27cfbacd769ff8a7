#include "script/ScriptLexer.h"

#include "script/Service.h"
#include "script/TClException.h"

#include <algorithm>
#include <array>
#include <string>

namespace tessellon {

namespace {

    struct Keyword {
        std::string_view word;
        TokenKind kind;
    };

    // The keywords of the language; the names of the built-ins come from the service table.
    constexpr std::array<Keyword, 4> keywords = { {
        { "int", TokenKind::Int },
        { "for", TokenKind::For },
        { "do", TokenKind::Do },
        { "while", TokenKind::While },
    } };

    constexpr std::string_view fontNumberWord = "FONT_NUMBER";

    bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }
    bool isDigit(char c) { return c >= '0' && c <= '9'; }
    bool isLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_'; }
    bool isWordChar(char c) { return isLetter(c) || isDigit(c); }

    TokenKind singleCharKind(char c)
    {
        switch (c) {
        case '(':
            return TokenKind::LeftParen;
        case ')':
            return TokenKind::RightParen;
        case '*':
            return TokenKind::Star;
        case ',':
            return TokenKind::Comma;
        case ';':
            return TokenKind::Semicolon;
        case '[':
            return TokenKind::LeftBracket;
        case ']':
            return TokenKind::RightBracket;
        case '{':
            return TokenKind::LeftBrace;
        case '}':
            return TokenKind::RightBrace;
        default:
            return TokenKind::Bad;
        }
    }

} // namespace

void ScriptLexer::start(std::string_view text)
{
    m_text = text.substr(0, text.find('\0'));
    m_errorPosition = 0;
    m_lastToken.reset(TokenKind::End);
}

void ScriptLexer::setFontNumber(std::int32_t value) { m_fontNumber = value; }

std::size_t ScriptLexer::CsubNextToken(std::size_t pos, Token& token)
{
    std::size_t start = pos;
    pos = scanRaw(pos, token);
    while (token.kind == TokenKind::Blank || token.kind == TokenKind::Comment) {
        start = pos;
        pos = scanRaw(pos, token);
    }
    m_errorPosition = pos;
    m_lastToken = token;
    if (token.kind == TokenKind::Bad) {
        CsubError(CompileErrorCode::UnknownSymbol, token.text());
    }
    if (token.tooLong) {
        m_errorPosition = start;
        CsubError(CompileErrorCode::TokenTooLong, token.text());
    }
    return pos;
}

int ScriptLexer::errorLine() const
{
    const auto before = m_text.substr(0, m_errorPosition);
    return 1 + static_cast<int>(std::count(before.begin(), before.end(), '\n'));
}

std::size_t ScriptLexer::scanRaw(std::size_t pos, Token& token) const
{
    const char c = at(pos);
    token.reset(TokenKind::Bad);
    token.append(c);
    if (c == '\0') {
        token.reset(TokenKind::End);
        return pos;
    }
    if (isBlank(c)) {
        return scanBlank(pos, token);
    }
    if (c == '"') {
        return scanString(pos + 1, token);
    }
    if (isLetter(c)) {
        return scanWord(pos, token);
    }
    if (isDigit(c)) {
        return scanNumber(pos, token);
    }
    switch (c) {
    case '!':
        return at(pos + 1) == '=' ? scanPair(pos, token, TokenKind::Bad, TokenKind::NotEqual)
                                  : pos + 1;
    case '+':
        return scanPair(pos, token, TokenKind::Plus, TokenKind::PlusPlus);
    case '-':
        return scanPair(pos, token, TokenKind::Minus, TokenKind::MinusMinus);
    case '<':
        return scanPair(pos, token, TokenKind::Less, TokenKind::LessEqual);
    case '>':
        return scanPair(pos, token, TokenKind::Greater, TokenKind::GreaterEqual);
    case '=':
        return scanPair(pos, token, TokenKind::Assign, TokenKind::Equal);
    case '/':
        return scanSlash(pos, token);
    default:
        token.kind = singleCharKind(c);
        return token.kind == TokenKind::Bad ? pos : pos + 1;
    }
}

std::size_t ScriptLexer::scanBlank(std::size_t pos, Token& token) const
{
    token.kind = TokenKind::Blank;
    while (isBlank(at(pos))) {
        ++pos;
    }
    return pos;
}

// The token is pair when the next character is the one that forms it ("++", "<=", "!=" ...),
// else single. The second character of every pair is the first one's twin or '='.
std::size_t ScriptLexer::scanPair(
    std::size_t pos, Token& token, TokenKind single, TokenKind pair) const
{
    const char first = at(pos);
    const char second = at(pos + 1);
    const bool isPair = (first == '+' || first == '-') ? second == first : second == '=';
    if (!isPair) {
        token.kind = single;
        return pos + 1;
    }
    token.kind = pair;
    token.append(second);
    return pos + 2;
}

std::size_t ScriptLexer::scanSlash(std::size_t pos, Token& token) const
{
    const char next = at(pos + 1);
    if (next == '*') {
        const std::size_t close = m_text.find("*/", pos + 2);
        if (close == std::string_view::npos) {
            token.reset(TokenKind::End);
            return m_text.size();
        }
        token.kind = TokenKind::Comment;
        return close + 2;
    }
    if (next == '/') {
        const std::size_t lineEnd = m_text.find_first_of("\r\n", pos + 2);
        if (lineEnd == std::string_view::npos) {
            token.reset(TokenKind::End);
            return m_text.size();
        }
        token.kind = TokenKind::Comment;
        return m_text[lineEnd] == '\n' ? lineEnd + 1 : lineEnd;
    }
    token.kind = TokenKind::Slash;
    return pos + 1;
}

// pos is just after the opening quote.
std::size_t ScriptLexer::scanString(std::size_t pos, Token& token) const
{
    token.reset(TokenKind::String);
    for (;;) {
        char c = at(pos);
        if (c == '\0') {
            token.kind = TokenKind::End;
            return pos;
        }
        ++pos;
        if (c == '"') {
            return pos;
        }
        if (c == '\\') {
            c = at(pos);
            if (c == '\0') {
                token.kind = TokenKind::End;
                return pos;
            }
            ++pos;
            if (c == 'n') {
                token.append('\r');
                c = '\n';
            }
        }
        token.append(c);
    }
}

std::size_t ScriptLexer::scanWord(std::size_t pos, Token& token) const
{
    token.reset(TokenKind::Identifier);
    while (isWordChar(at(pos))) {
        token.append(at(pos));
        ++pos;
    }
    classifyWord(token);
    return pos;
}

void ScriptLexer::classifyWord(Token& token) const
{
    if (token.tooLong) {
        return;
    }
    const std::string_view word = token.text();
    if (word == fontNumberWord) {
        token.kind = TokenKind::Number;
        token.assign(std::to_string(m_fontNumber));
        return;
    }
    for (const Keyword& keyword : keywords) {
        if (keyword.word == word) {
            token.kind = keyword.kind;
            return;
        }
    }
    const ServiceInfo* service = serviceNamed(word);
    if (!service) {
        return;
    }
    if (service->argument == ServiceArgument::Constant) {
        token.kind = TokenKind::Number;
        token.assign(std::to_string(m_builtins ? m_builtins->constant(service->service) : 0));
        return;
    }
    token.kind = service->keyword;
}

std::size_t ScriptLexer::scanNumber(std::size_t pos, Token& token) const
{
    token.reset(TokenKind::Number);
    while (isDigit(at(pos))) {
        token.append(at(pos));
        ++pos;
    }
    return pos;
}

} // namespace tessellon
