#include "script/WriteFormatter.h"

#include <algorithm>
#include <array>

namespace tessellon {

namespace {

    // Widths and precisions beyond this cannot change a text cut at a few thousand
    // characters; capping them keeps every count small.
    constexpr int numberCap = 1 << 20;

    // Appends to a fixed buffer and drops what does not fit. The texts are a few characters
    // long, so plain loops beat calls to memcpy and memset here.
    class TextSink {
    public:
        explicit TextSink(std::span<char> out)
            : m_data(out.data())
            , m_capacity(out.size())
        {
        }

        void put(char c)
        {
            if (m_size < m_capacity) {
                m_data[m_size++] = c;
            }
        }

        void put(char c, int count)
        {
            for (; count > 0 && m_size < m_capacity; --count) {
                m_data[m_size++] = c;
            }
        }

        void put(std::string_view text)
        {
            for (std::size_t i = 0; i < text.size() && m_size < m_capacity; ++i) {
                m_data[m_size++] = text[i];
            }
        }

        std::size_t size() const { return m_size; }

    private:
        char* m_data;
        std::size_t m_capacity;
        std::size_t m_size = 0;
    };

    class Arguments {
    public:
        explicit Arguments(std::span<const std::uint32_t> args)
            : m_args(args)
        {
        }

        std::uint32_t take() { return m_next < m_args.size() ? m_args[m_next++] : 0; }

    private:
        std::span<const std::uint32_t> m_args;
        std::size_t m_next = 0;
    };

    struct Conversion {
        bool left = false;
        bool plus = false;
        bool space = false;
        bool alternate = false;
        bool zero = false;
        bool widthFromArgument = false;
        bool precisionFromArgument = false;
        int width = 0;
        int precision = -1; // none
        char conversion = '\0';
        std::size_t end = 0; // format index after the conversion character
    };

    bool isDigit(char c) { return c >= '0' && c <= '9'; }

    int readNumber(std::string_view format, std::size_t& pos)
    {
        int value = 0;
        while (pos < format.size() && isDigit(format[pos])) {
            value = std::min(value * 10 + (format[pos] - '0'), numberCap);
            ++pos;
        }
        return value;
    }

    bool readFlag(char c, Conversion& directive)
    {
        switch (c) {
        case '-':
            directive.left = true;
            return true;
        case '+':
            directive.plus = true;
            return true;
        case ' ':
            directive.space = true;
            return true;
        case '#':
            directive.alternate = true;
            return true;
        case '0':
            directive.zero = true;
            return true;
        default:
            return false;
        }
    }

    char at(std::string_view text, std::size_t pos) { return pos < text.size() ? text[pos] : '\0'; }

    // pos is just after the '%'.
    Conversion parseConversion(std::string_view format, std::size_t pos)
    {
        Conversion directive;
        while (readFlag(at(format, pos), directive)) {
            ++pos;
        }
        if (at(format, pos) == '*') {
            directive.widthFromArgument = true;
            ++pos;
        } else {
            directive.width = readNumber(format, pos);
        }
        if (at(format, pos) == '.') {
            ++pos;
            if (at(format, pos) == '*') {
                directive.precisionFromArgument = true;
                ++pos;
            } else {
                directive.precision = readNumber(format, pos);
            }
        }
        while (std::string_view("hlLqjzt").find(at(format, pos)) != std::string_view::npos
            && pos < format.size()) {
            ++pos;
        }
        directive.conversion = at(format, pos);
        directive.end = directive.conversion == '\0' ? pos : pos + 1;
        return directive;
    }

    bool isIntegerConversion(char c)
    {
        return c != '\0' && std::string_view("diuxXoc").find(c) != std::string_view::npos;
    }

    void takeStarArguments(Conversion& directive, Arguments& args)
    {
        if (directive.widthFromArgument) {
            const auto width = static_cast<std::int32_t>(args.take());
            directive.left = directive.left || width < 0;
            const std::int64_t magnitude = width < 0 ? -std::int64_t { width } : width;
            directive.width = static_cast<int>(std::min<std::int64_t>(magnitude, numberCap));
        }
        if (directive.precisionFromArgument) {
            const auto precision = static_cast<std::int32_t>(args.take());
            directive.precision = precision < 0 ? -1 : std::min(precision, numberCap);
        }
    }

    // Digits of value in the conversion's base, most significant first, in a buffer that
    // holds the 11 octal digits of the largest word.
    struct Digits {
        std::array<char, 12> chars {};
        int count = 0;
        std::string_view view() const
        {
            return { chars.data() + chars.size() - count, std::size_t(count) };
        }
    };

    Digits digitsOf(std::uint32_t value, char conversion)
    {
        const unsigned base = conversion == 'o'        ? 8
            : (conversion == 'x' || conversion == 'X') ? 16
                                                       : 10;
        const char* symbols = conversion == 'X' ? "0123456789ABCDEF" : "0123456789abcdef";
        Digits digits;
        while (value != 0) {
            digits.chars[digits.chars.size() - 1 - digits.count++] = symbols[value % base];
            value /= base;
        }
        return digits;
    }

    void padded(TextSink& sink, const Conversion& directive, std::string_view prefix, int zeros,
        std::string_view digits)
    {
        const int body = static_cast<int>(prefix.size() + digits.size()) + zeros;
        const int padding = std::max(directive.width - body, 0);
        if (directive.left) {
            sink.put(prefix);
            sink.put('0', zeros);
            sink.put(digits);
            sink.put(' ', padding);
            return;
        }
        const bool zeroPad = directive.zero && directive.precision < 0;
        if (!zeroPad) {
            sink.put(' ', padding);
        }
        sink.put(prefix);
        sink.put('0', zeros + (zeroPad ? padding : 0));
        sink.put(digits);
    }

    void formatCharacter(TextSink& sink, const Conversion& directive, std::uint32_t value)
    {
        const int padding = std::max(directive.width - 1, 0);
        if (!directive.left) {
            sink.put(' ', padding);
        }
        sink.put(static_cast<char>(static_cast<unsigned char>(value)));
        if (directive.left) {
            sink.put(' ', padding);
        }
    }

    void formatInteger(TextSink& sink, const Conversion& directive, std::uint32_t value)
    {
        const char conversion = directive.conversion;
        const bool isSigned = conversion == 'd' || conversion == 'i';
        const bool negative = isSigned && static_cast<std::int32_t>(value) < 0;
        const std::uint32_t magnitude = negative ? 0u - value : value;
        const Digits digits = digitsOf(magnitude, conversion);
        const int precision = directive.precision < 0 ? 1 : directive.precision;
        int zeros = std::max(precision - digits.count, 0);
        std::string_view prefix;
        if (isSigned) {
            prefix = negative ? "-" : directive.plus ? "+" : directive.space ? " " : "";
        } else if (directive.alternate && conversion == 'o' && zeros == 0
            && (digits.count == 0 || digits.view().front() != '0')) {
            zeros = 1;
        } else if (directive.alternate && value != 0 && (conversion == 'x' || conversion == 'X')) {
            prefix = conversion == 'x' ? "0x" : "0X";
        }
        padded(sink, directive, prefix, zeros, digits.view());
    }

    void formatConversion(TextSink& sink, Conversion directive, Arguments& args)
    {
        takeStarArguments(directive, args);
        const std::uint32_t value = args.take();
        if (directive.conversion == 'c') {
            formatCharacter(sink, directive, value);
        } else {
            formatInteger(sink, directive, value);
        }
    }

} // namespace

std::size_t formatWrite(
    std::string_view format, std::span<const std::uint32_t> args, std::span<char> out)
{
    TextSink sink(out);
    Arguments arguments(args);
    std::size_t pos = 0;
    while (pos < format.size() && format[pos] != '\0') {
        if (format[pos] != '%') {
            sink.put(format[pos++]);
            continue;
        }
        if (at(format, pos + 1) == '%') {
            sink.put('%');
            pos += 2;
            continue;
        }
        const Conversion directive = parseConversion(format, pos + 1);
        if (isIntegerConversion(directive.conversion)) {
            formatConversion(sink, directive, arguments);
        } else {
            sink.put(format.substr(pos, directive.end - pos));
        }
        pos = directive.end;
    }
    return sink.size();
}

} // namespace tessellon
