#include "recipe/SourceCharacters.h"

#include "document/ByteSource.h"
#include "document/Utf8.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdint>
#include <filesystem>

namespace tessellon {

namespace {

    bool isControl(char32_t code) { return code < 0x20 || (code >= 0x7F && code <= 0x9F); }

    bool isWordByte(char c)
    {
        const auto byte = static_cast<unsigned char>(c);
        return std::isalnum(byte) != 0 || c == '_' || byte >= 0x80;
    }

    int hexValue(char c)
    {
        if (c >= '0' && c <= '9') {
            return c - '0';
        }
        if (c >= 'a' && c <= 'f') {
            return c - 'a' + 10;
        }
        return c >= 'A' && c <= 'F' ? c - 'A' + 10 : -1;
    }

    // How a literal's text is read: narrow literals are bytes read as UTF-8 at the end, the
    // others (L u U) characters, whose \x and octal escapes are characters too.
    enum class LiteralWidth { Narrow, Wide };

    struct LiteralKind {
        LiteralWidth width = LiteralWidth::Narrow;
        bool raw = false;
    };

    // The kind a prefix (the word just before the quote) gives; other words (a macro glued
    // to the quote) read as no prefix.
    LiteralKind literalKindOf(std::string_view prefix, char quote)
    {
        const bool raw = quote == '"' && !prefix.empty() && prefix.back() == 'R';
        const std::string_view encoding = raw ? prefix.substr(0, prefix.size() - 1) : prefix;
        const bool wide = encoding == "L" || encoding == "u" || encoding == "U";
        if (!wide && !encoding.empty() && encoding != "u8") {
            return {};
        }
        return { wide ? LiteralWidth::Wide : LiteralWidth::Narrow, raw };
    }

    // One literal's characters as they are collected.
    struct LiteralText {
        LiteralWidth width = LiteralWidth::Narrow;
        std::string bytes; // narrow
        std::vector<char32_t> codes; // wide

        void addCharacter(char32_t code)
        {
            if (width == LiteralWidth::Narrow) {
                appendUtf8(bytes, code);
            } else {
                codes.push_back(code);
            }
        }
    };

    class LiteralScanner {
    public:
        LiteralScanner(std::string_view text, const std::string& name)
            : m_text(text)
            , m_name(name)
        {
        }

        Status run(std::vector<char32_t>& found)
        {
            m_found = &found;
            while (m_at < m_text.size()) {
                if (const Status step = scanCode(); !step) {
                    return step;
                }
            }
            return {};
        }

    private:
        char peek(std::size_t ahead = 0) const
        {
            return m_at + ahead < m_text.size() ? m_text[m_at + ahead] : '\0';
        }

        bool startsWith(std::string_view what) const
        {
            return m_text.substr(m_at, what.size()) == what;
        }

        Failure fault(std::size_t line, const std::string& why) const
        {
            return failure(m_name + ":" + std::to_string(line) + ": " + why);
        }

        void advance()
        {
            if (m_text[m_at] == '\n') {
                ++m_line;
            }
            ++m_at;
        }

        Status scanCode()
        {
            const char c = peek();
            if (c == '\n' || c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v') {
                endWord();
                m_lineStart = m_lineStart || c == '\n';
                advance();
                return {};
            }
            if (m_lineStart && c == '#') {
                skipDirective();
                return {};
            }
            m_lineStart = false;
            if (startsWith("//")) {
                skipLineComment();
            } else if (startsWith("/*")) {
                skipBlockComment();
            } else if (c == '\'' && m_inNumber) {
                advance(); // a digit separator: 1'000'000
            } else if (c == '"' || c == '\'') {
                return scanLiteral(c);
            } else if (isWordByte(c)) {
                m_inNumber
                    = m_inNumber || (m_word.empty() && std::isdigit(static_cast<unsigned char>(c)));
                m_word += c;
                advance();
            } else {
                m_word.clear();
                m_lastWord.clear();
                m_inNumber = false;
                advance();
            }
            return {};
        }

        void endWord()
        {
            if (!m_word.empty()) {
                m_lastWord = m_word;
                m_word.clear();
            }
            m_inNumber = false;
        }

        void skipToLineEnd()
        {
            while (m_at < m_text.size() && peek() != '\n') {
                if (peek() == '\\' && peek(1) == '\n') {
                    advance();
                }
                advance();
            }
        }

        void skipLineComment() { skipToLineEnd(); }

        void skipBlockComment()
        {
            m_at += 2;
            while (m_at < m_text.size() && !startsWith("*/")) {
                advance();
            }
            m_at = std::min(m_at + 2, m_text.size());
        }

        // "#include", "#include_next" and "#import" name files, not text; other directives
        // are read on as code.
        void skipDirective()
        {
            m_lineStart = false;
            advance();
            while (peek() == ' ' || peek() == '\t') {
                advance();
            }
            std::string name;
            while (std::isalpha(static_cast<unsigned char>(peek())) || peek() == '_') {
                name += peek();
                advance();
            }
            if (name == "include" || name == "include_next" || name == "import") {
                skipToLineEnd();
            }
            m_word.clear();
            m_lastWord.clear();
        }

        Status scanLiteral(char quote)
        {
            const LiteralKind kind = literalKindOf(m_word, quote);
            const bool collected = !(quote == '"' && m_word.empty() && m_lastWord == "extern");
            m_word.clear();
            m_lastWord.clear();
            m_inNumber = false;
            const std::size_t line = m_line;
            LiteralText text { kind.width, {}, {} };
            advance();
            if (kind.raw && readRawString(text)) {
                return collect(text, line, collected);
            }
            while (m_at < m_text.size() && peek() != quote && peek() != '\n') {
                if (const Status read = readLiteralUnit(text); !read) {
                    return read;
                }
            }
            if (peek() == quote) {
                advance();
            }
            return collect(text, line, collected);
        }

        // R"delimiter( ... )delimiter": false, with nothing read, when no delimiter of at
        // most 16 characters and an opening parenthesis follow.
        bool readRawString(LiteralText& text)
        {
            std::size_t open = m_at;
            while (open < m_text.size() && open - m_at <= 16 && m_text[open] != '(') {
                const char c = m_text[open];
                if (c == ' ' || c == ')' || c == '\\' || c == '\n' || c == '\t' || c == '"') {
                    return false;
                }
                ++open;
            }
            if (open >= m_text.size() || m_text[open] != '(' || open - m_at > 16) {
                return false;
            }
            std::string close(1, ')');
            close.append(m_text.substr(m_at, open - m_at));
            close += '"';
            while (m_at <= open) {
                advance();
            }
            while (m_at < m_text.size() && !startsWith(close)) {
                readSourceCharacter(text);
            }
            m_at = std::min(m_at + close.size(), m_text.size());
            return true;
        }

        void readSourceCharacter(LiteralText& text)
        {
            if (peek() == '\n') {
                ++m_line;
            }
            std::size_t next = m_at;
            const auto code = decodeUtf8(m_text, next);
            text.addCharacter(code.value_or(U'\uFFFD'));
            m_at = code ? next : m_at + 1;
        }

        Status readLiteralUnit(LiteralText& text)
        {
            if (peek() != '\\') {
                readSourceCharacter(text);
                return {};
            }
            if (peek(1) == '\n' || (peek(1) == '\r' && peek(2) == '\n')) {
                m_at += peek(1) == '\r' ? 3 : 2; // a line splice
                ++m_line;
                return {};
            }
            advance();
            return readEscape(text);
        }

        Status readEscape(LiteralText& text)
        {
            const char c = peek();
            static constexpr std::array<std::pair<char, char>, 12> simple { { { 'n', '\n' },
                { 't', '\t' }, { 'r', '\r' }, { 'a', '\a' }, { 'b', '\b' }, { 'f', '\f' },
                { 'v', '\v' }, { 'e', '\x1B' }, { 'E', '\x1B' }, { '\\', '\\' }, { '\'', '\'' },
                { '"', '"' } } };
            for (const auto& [name, value] : simple) {
                if (c == name) {
                    advance();
                    text.addCharacter(static_cast<unsigned char>(value));
                    return {};
                }
            }
            if (c == 'x') {
                advance();
                return readNumericEscape(text, 16, SIZE_MAX);
            }
            if (c >= '0' && c <= '7') {
                return readNumericEscape(text, 8, 3);
            }
            if (c == 'u' || c == 'U') {
                advance();
                return readUniversalName(text, c == 'u' ? 4 : 8);
            }
            return {}; // any other escaped character stands for itself
        }

        // \x digits or octal: a byte of a narrow literal, a character of the others.
        Status readNumericEscape(LiteralText& text, int base, std::size_t maxDigits)
        {
            char32_t value = 0;
            std::size_t digits = 0;
            for (int digit = hexValue(peek()); digit >= 0 && digit < base && digits < maxDigits;
                 digit = hexValue(peek())) {
                value = std::min<char32_t>(value * base + digit, 0x110000);
                ++digits;
                advance();
            }
            if (digits == 0) {
                return fault(m_line, "\\x without hexadecimal digits");
            }
            if (text.width == LiteralWidth::Narrow) {
                if (value > 0xFF) {
                    return fault(m_line, "an escape beyond a byte (\\x or octal above FF)");
                }
                text.bytes += static_cast<char>(value);
                return {};
            }
            if (!isUnicodeScalar(value)) {
                return fault(m_line, "an escape that names no character");
            }
            text.codes.push_back(value);
            return {};
        }

        Status readUniversalName(LiteralText& text, std::size_t digits)
        {
            char32_t value = 0;
            for (std::size_t i = 0; i < digits; ++i) {
                const int digit = hexValue(peek());
                if (digit < 0) {
                    return fault(m_line,
                        std::string(digits == 4 ? "\\u" : "\\U") + " needs "
                            + std::to_string(digits) + " hexadecimal digits");
                }
                value = value * 16 + static_cast<char32_t>(digit);
                advance();
            }
            if (!isUnicodeScalar(value)) {
                return fault(m_line, "\\u or \\U names no character");
            }
            text.addCharacter(value);
            return {};
        }

        Status collect(const LiteralText& text, std::size_t line, bool collected)
        {
            if (!collected) {
                return {};
            }
            if (text.width == LiteralWidth::Wide) {
                m_found->insert(m_found->end(), text.codes.begin(), text.codes.end());
                return {};
            }
            for (std::size_t at = 0; at < text.bytes.size();) {
                const auto code = decodeUtf8(text.bytes, at);
                if (!code) {
                    return fault(line, "a literal whose escapes give bytes that are not UTF-8");
                }
                m_found->push_back(*code);
            }
            return {};
        }

        std::string_view m_text;
        const std::string& m_name;
        std::vector<char32_t>* m_found = nullptr;
        std::size_t m_at = 0;
        std::size_t m_line = 1;
        bool m_lineStart = true;
        bool m_inNumber = false;
        std::string m_word; // the identifier or number being read
        std::string m_lastWord; // the one before the spaces since
    };

    void collectWholeText(std::string_view text, std::vector<char32_t>& found)
    {
        for (std::size_t at = 0; at < text.size();) {
            if (const auto code = decodeUtf8(text, at)) {
                found.push_back(*code);
            } else {
                ++at;
            }
        }
    }

    std::string lowerExtension(const std::string& path)
    {
        std::string extension = std::filesystem::path(path).extension().string();
        std::transform(extension.begin(), extension.end(), extension.begin(),
            [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        return extension;
    }

} // namespace

SourceScan sourceScanFor(const std::string& path)
{
    static constexpr std::array<std::string_view, 10> extensions { ".c", ".h", ".cc", ".cpp",
        ".cxx", ".hh", ".hpp", ".hxx", ".ino", ".inl" };
    const std::string extension = lowerExtension(path);
    return std::find(extensions.begin(), extensions.end(), extension) != extensions.end()
        ? SourceScan::Literals
        : SourceScan::WholeText;
}

Result<std::vector<char32_t>> scanSourceText(
    std::string_view text, SourceScan scan, const std::string& name)
{
    if (const auto textFault = findTextFault(text)) {
        return failure(name + ":" + std::to_string(textFault->line) + ": " + textFault->what
            + "; source files must be UTF-8 text");
    }
    std::vector<char32_t> found;
    if (scan == SourceScan::WholeText) {
        collectWholeText(text, found);
    } else if (const Status scanned = LiteralScanner(text, name).run(found); !scanned) {
        return failure(scanned.message());
    }
    std::erase_if(found, [](char32_t code) { return isControl(code) || code == 0xFEFF; });
    std::sort(found.begin(), found.end());
    found.erase(std::unique(found.begin(), found.end()), found.end());
    return found;
}

Result<std::vector<char32_t>> readSourceCharacters(const std::string& path)
{
    const auto text = readWholeFile<std::string>(path, maxSourceFileBytes, "a source file");
    if (!text) {
        return failure(text.message());
    }
    return scanSourceText(*text, sourceScanFor(path), path);
}

} // namespace tessellon
