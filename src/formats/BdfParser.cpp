#include "formats/BdfParser.h"

#include "document/FontLib.h"
#include "formats/HexDigits.h"
#include "formats/TextLineReader.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <string>
#include <string_view>

namespace tessellon {

namespace {

    bool isSpace(char c) { return c == ' ' || c == '\t'; }

    std::string_view trimmed(std::string_view text)
    {
        while (!text.empty() && isSpace(text.front())) {
            text.remove_prefix(1);
        }
        while (!text.empty() && isSpace(text.back())) {
            text.remove_suffix(1);
        }
        return text;
    }

    // A line cut into its keyword and the rest.
    struct BdfLine {
        std::string_view keyword;
        std::string_view rest;
    };

    BdfLine splitLine(std::string_view line)
    {
        line = trimmed(line);
        const auto space = std::min(line.find_first_of(" \t"), line.size());
        return { line.substr(0, space), trimmed(line.substr(space)) };
    }

    // Takes a whole number off the front of text.
    std::optional<std::int64_t> takeInteger(std::string_view& text)
    {
        text = trimmed(text);
        if (!text.empty() && text.front() == '+') {
            text.remove_prefix(1);
        }
        std::int64_t value = 0;
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
        if (error != std::errc() || (end != text.data() + text.size() && !isSpace(*end))) {
            return std::nullopt;
        }
        text.remove_prefix(static_cast<std::size_t>(end - text.data()));
        return value;
    }

    template <std::size_t N>
    std::optional<std::array<std::int64_t, N>> leadingIntegers(std::string_view text)
    {
        std::array<std::int64_t, N> values {};
        for (std::int64_t& value : values) {
            const auto number = takeInteger(text);
            if (!number) {
                return std::nullopt;
            }
            value = *number;
        }
        return values;
    }

    bool isMetric(std::int64_t value) { return value >= -maxBdfMetric && value <= maxBdfMetric; }

    std::string unquoted(std::string_view value)
    {
        if (value.size() >= 2 && value.front() == '"' && value.back() == '"') {
            value = value.substr(1, value.size() - 2);
        }
        return std::string(value);
    }

    bool equalsIgnoringCase(std::string_view a, std::string_view b)
    {
        return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
            return std::tolower(static_cast<unsigned char>(x))
                == std::tolower(static_cast<unsigned char>(y));
        });
    }

    bool isHexRow(std::string_view text)
    {
        return !text.empty()
            && std::all_of(text.begin(), text.end(), [](char c) { return hexDigitValue(c) >= 0; });
    }

    class BdfParser {
    public:
        explicit BdfParser(ByteSource& source)
            : m_lines(source)
        {
        }

        Result<BdfFont> parse()
        {
            for (Status (BdfParser::*step)() :
                { &BdfParser::readStart, &BdfParser::readHeader, &BdfParser::readGlyphs }) {
                if (Status done = (this->*step)(); !done) {
                    return failure(done.message());
                }
            }
            return std::move(m_font);
        }

    private:
        Failure fail(const std::string& why) const
        {
            return lineFailure(std::max<std::uint64_t>(m_lines.lineNumber(), 1), why);
        }

        std::string quotedLine() const { return quotedText(trimmed(m_lines.line())); }

        std::string glyphName() const { return quotedText(m_glyphName); }

        // Moves to the next line that is neither blank nor a COMMENT: true when there is one.
        Result<bool> nextLine()
        {
            for (;;) {
                const Result<bool> more = m_lines.advance();
                if (!more || !*more) {
                    return more;
                }
                m_line = splitLine(m_lines.line());
                if (!m_line.keyword.empty() && m_line.keyword != "COMMENT") {
                    return true;
                }
            }
        }

        // The next such line, or a failure saying what the file ended before.
        Status requireLine(const std::string& endedBefore)
        {
            const Result<bool> more = nextLine();
            if (!more) {
                return failure(more.message());
            }
            if (!*more) {
                return fail("the file ends " + endedBefore);
            }
            return {};
        }

        Status readStart()
        {
            const Result<bool> more = nextLine();
            if (!more) {
                return failure(more.message());
            }
            if (!*more || m_line.keyword != "STARTFONT" || m_line.rest.substr(0, 2) != "2.") {
                return fail("not a BDF font: it does not begin with STARTFONT 2.1");
            }
            return {};
        }

        Result<BdfBox> box(std::int64_t maxSide, const std::string& sizeLimit) const
        {
            const auto values = leadingIntegers<4>(m_line.rest);
            if (!values) {
                return fail(std::string(m_line.keyword)
                    + " needs four whole numbers (width, height, x and y offset), not "
                    + quotedLine());
            }
            const auto [width, height, x, y] = *values;
            if (width < 0 || height < 0) {
                return fail(std::string(m_line.keyword) + " " + std::to_string(width) + " x "
                    + std::to_string(height) + " is not a size (it cannot be negative)");
            }
            if (width > maxSide || height > maxSide) {
                return fail(std::string(m_line.keyword) + " " + std::to_string(width) + " x "
                    + std::to_string(height) + " is larger than " + sizeLimit);
            }
            if (!isMetric(x) || !isMetric(y)) {
                return fail(std::string(m_line.keyword) + " offsets must be from -"
                    + std::to_string(maxBdfMetric) + " to " + std::to_string(maxBdfMetric));
            }
            return BdfBox { static_cast<int>(width), static_cast<int>(height), static_cast<int>(x),
                static_cast<int>(y) };
        }

        Result<int> metric() const
        {
            const auto values = leadingIntegers<1>(m_line.rest);
            if (!values || !isMetric((*values)[0])) {
                return fail(std::string(m_line.keyword) + " needs a whole number from -"
                    + std::to_string(maxBdfMetric) + " to " + std::to_string(maxBdfMetric)
                    + ", not " + quotedLine());
            }
            return static_cast<int>((*values)[0]);
        }

        Status setMetric(std::optional<int>& field) const
        {
            const Result<int> value = metric();
            if (!value) {
                return failure(value.message());
            }
            field = *value;
            return {};
        }

        Status readHeader()
        {
            bool hasFontBox = false;
            for (;;) {
                if (Status line = requireLine("before CHARS"); !line) {
                    return line;
                }
                const std::string_view keyword = m_line.keyword;
                Status read;
                if (keyword == "FONTBOUNDINGBOX") {
                    const Result<BdfBox> fontBox = box(maxBdfMetric, "a font can be");
                    read = fontBox ? Status() : failure(fontBox.message());
                    m_font.fontBox = fontBox ? *fontBox : BdfBox {};
                    hasFontBox = true;
                } else if (keyword == "STARTPROPERTIES") {
                    read = readProperties();
                } else if (keyword == "DWIDTH") {
                    read = setMetric(m_font.advance);
                } else if (keyword == "CHARS") {
                    return hasFontBox ? readCharCount()
                                      : fail("CHARS comes before FONTBOUNDINGBOX");
                } else if (keyword == "STARTCHAR" || keyword == "ENDFONT") {
                    return fail(std::string(keyword) + " comes before CHARS");
                }
                if (!read) {
                    return read;
                }
            }
        }

        Status readCharCount()
        {
            const auto values = leadingIntegers<1>(m_line.rest);
            if (!values || (*values)[0] < 0) {
                return fail("CHARS needs the number of glyphs, not " + quotedLine());
            }
            m_charsClaimed = (*values)[0];
            m_charsLine = m_lines.lineNumber();
            return {};
        }

        Status readProperties()
        {
            for (;;) {
                if (Status line = requireLine("inside the properties (no ENDPROPERTIES)"); !line) {
                    return line;
                }
                const std::string_view keyword = m_line.keyword;
                Status read;
                if (keyword == "ENDPROPERTIES") {
                    return {};
                } else if (keyword == "FONT_ASCENT") {
                    read = setMetric(m_font.ascent);
                } else if (keyword == "FONT_DESCENT") {
                    read = setMetric(m_font.descent);
                } else if (keyword == "CHARSET_REGISTRY") {
                    m_font.fontSpecific = equalsIgnoringCase(unquoted(m_line.rest), "FontSpecific");
                } else if (keyword == "CHARS" || keyword == "STARTCHAR") {
                    return fail("ENDPROPERTIES is missing before " + std::string(keyword));
                }
                if (!read) {
                    return read;
                }
            }
        }

        Status readGlyphs()
        {
            for (;;) {
                if (Status line = requireLine("before ENDFONT"); !line) {
                    return line;
                }
                if (m_line.keyword == "ENDFONT") {
                    return checkCharCount();
                }
                if (m_line.keyword != "STARTCHAR") {
                    return fail("STARTCHAR or ENDFONT expected, not " + quotedLine());
                }
                if (m_font.glyphs.size() >= maxCharSetGlyphs) {
                    return fail("the font has more than " + std::to_string(maxCharSetGlyphs)
                        + " glyphs, more than a font may hold");
                }
                m_glyphName = std::string(m_line.rest);
                if (Status glyph = readGlyph(); !glyph) {
                    return glyph;
                }
            }
        }

        Status checkCharCount() const
        {
            if (static_cast<std::uint64_t>(m_charsClaimed) != m_font.glyphs.size()) {
                return lineFailure(m_charsLine,
                    "CHARS says " + std::to_string(m_charsClaimed) + " glyphs, but the font holds "
                        + std::to_string(m_font.glyphs.size()));
            }
            return {};
        }

        Status readGlyph()
        {
            BdfGlyph glyph;
            bool hasBox = false;
            for (;;) {
                if (Status line = requireLine("inside glyph " + glyphName() + " (no ENDCHAR)");
                    !line) {
                    return line;
                }
                const std::string_view keyword = m_line.keyword;
                Status read;
                if (keyword == "ENCODING") {
                    read = readEncoding(glyph);
                } else if (keyword == "DWIDTH") {
                    read = setMetric(glyph.advance);
                } else if (keyword == "BBX") {
                    const Result<BdfBox> glyphBox = box(maxGlyphSide,
                        "a glyph can be (" + std::to_string(maxGlyphSide) + " x "
                            + std::to_string(maxGlyphSide) + " pixels)");
                    read = glyphBox ? Status() : failure(glyphBox.message());
                    glyph.box = glyphBox ? *glyphBox : BdfBox {};
                    hasBox = true;
                } else if (keyword == "BITMAP") {
                    if (!hasBox) {
                        return fail("glyph " + glyphName() + " has no BBX before BITMAP");
                    }
                    return readBitmap(glyph);
                } else if (keyword == "ENDCHAR" || keyword == "STARTCHAR" || keyword == "ENDFONT") {
                    return fail("glyph " + glyphName() + " has no BITMAP");
                }
                if (!read) {
                    return read;
                }
            }
        }

        Status readEncoding(BdfGlyph& glyph) const
        {
            const auto values = leadingIntegers<1>(m_line.rest);
            if (!values || (*values)[0] < -1) {
                return fail("ENCODING needs a character code or -1, not " + quotedLine());
            }
            glyph.encoding = (*values)[0];
            return {};
        }

        Status readBitmap(BdfGlyph& glyph)
        {
            const std::size_t rowBytes = rowBytesFor(glyph.box.width);
            for (int row = 0; row < glyph.box.height; ++row) {
                if (Status read = readBitmapRow(glyph, row, rowBytes); !read) {
                    return read;
                }
                if (row == 0) {
                    glyph.bitmapOffset = m_lines.lineOffset();
                    glyph.bitmapLine = m_lines.lineNumber();
                }
            }
            if (Status line = requireLine("inside glyph " + glyphName() + " (no ENDCHAR)"); !line) {
                return line;
            }
            if (m_line.keyword != "ENDCHAR") {
                return fail(isHexRow(m_line.keyword)
                        ? "glyph " + glyphName() + " has more bitmap rows than its BBX height of "
                            + std::to_string(glyph.box.height)
                        : "ENDCHAR expected after the bitmap of glyph " + glyphName() + ", not "
                            + quotedLine());
            }
            m_font.glyphs.push_back(glyph);
            return {};
        }

        Status readBitmapRow(const BdfGlyph& glyph, int row, std::size_t rowBytes)
        {
            const Result<bool> more = m_lines.advance();
            if (!more) {
                return failure(more.message());
            }
            if (!*more) {
                return fail("the file ends inside the bitmap of glyph " + glyphName());
            }
            const std::string_view digits = trimmed(m_lines.line());
            if (digits == "ENDCHAR") {
                return fail("glyph " + glyphName() + " has " + std::to_string(row)
                    + " bitmap rows; its BBX says " + std::to_string(glyph.box.height));
            }
            if (digits.size() != 2 * rowBytes) {
                return fail("a bitmap row of glyph " + glyphName() + " has "
                    + std::to_string(digits.size()) + " characters; its BBX width of "
                    + std::to_string(glyph.box.width) + " needs " + std::to_string(2 * rowBytes)
                    + " hex digits");
            }
            const Status parsed = parseHexBytes(digits, std::span(m_row).first(rowBytes));
            return parsed ? parsed : fail(parsed.message());
        }

        TextLineReader m_lines;
        BdfLine m_line;
        BdfFont m_font;
        // A bitmap row is checked here and not kept.
        std::array<std::uint8_t, (maxGlyphSide + 7) / 8> m_row {};
        std::string m_glyphName;
        std::int64_t m_charsClaimed = 0;
        std::uint64_t m_charsLine = 0;
    };

} // namespace

Result<BdfFont> parseBdf(ByteSource& source)
{
    BdfParser parser(source);
    return parser.parse();
}

Result<PackedBitmap> BdfBitmaps::read(const BdfGlyph& glyph)
{
    const std::size_t rowBytes = rowBytesFor(glyph.box.width);
    m_bits.resize(rowBytes * glyph.box.height);
    m_lines.seek(glyph.bitmapOffset, glyph.bitmapLine);
    for (int row = 0; row < glyph.box.height; ++row) {
        const Result<bool> more = m_lines.advance();
        const std::string_view digits = more && *more ? trimmed(m_lines.line()) : "";
        if (digits.size() != 2 * rowBytes
            || !parseHexBytes(digits, std::span(m_bits).subspan(row * rowBytes, rowBytes))) {
            return lineFailure(glyph.bitmapLine + row, "the file changed while it was read");
        }
    }
    return PackedBitmap { m_bits, glyph.box.width, glyph.box.height };
}

} // namespace tessellon
