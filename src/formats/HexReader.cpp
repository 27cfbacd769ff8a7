#include "formats/HexReader.h"

#include "formats/GlyphPlacement.h"
#include "formats/HexDigits.h"
#include "formats/TextLineReader.h"

#include <algorithm>

namespace tessellon {

namespace {

    constexpr int glyphRows = 16;
    constexpr int unifontAscent = 14; // rows above the baseline, of glyphRows
    constexpr std::size_t narrowDigits = 32;
    constexpr std::size_t wideDigits = 64;
    constexpr std::size_t maxCodeDigits = 8;

    struct HexGlyph {
        std::uint16_t code = 0;
        bool wide = false;
    };

    struct HexFont {
        std::vector<HexGlyph> glyphs;
        std::vector<std::uint8_t> bits;
        std::size_t aboveFFFF = 0;
        bool anyWide = false;
    };

    std::string_view withoutTrailingSpace(std::string_view text)
    {
        while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) {
            text.remove_suffix(1);
        }
        return text;
    }

    Result<std::uint32_t> parseCode(std::string_view digits)
    {
        if (digits.empty() || digits.size() > maxCodeDigits) {
            return failure("the code before ':' must be 1 to " + std::to_string(maxCodeDigits)
                + " hex digits, not " + quotedText(digits));
        }
        std::uint32_t code = 0;
        for (char c : digits) {
            const int value = hexDigitValue(c);
            if (value < 0) {
                return failure(notHexDigitMessage(c) + " (in the code)");
            }
            code = code << 4 | static_cast<std::uint32_t>(value);
        }
        return code;
    }

    Status checkGlyphDigits(std::string_view digits)
    {
        if (digits.size() % 2 != 0) {
            return failure("the glyph has an odd number of hex digits ("
                + std::to_string(digits.size()) + ")");
        }
        if (digits.size() != narrowDigits && digits.size() != wideDigits) {
            return failure("the glyph has " + std::to_string(digits.size())
                + " hex digits; a glyph has 32 (8 x 16 pixels) or 64 (16 x 16)");
        }
        return {};
    }

    Status readLine(std::string_view line, HexFont& font)
    {
        const auto colon = line.find(':');
        if (colon == std::string_view::npos) {
            return failure("no ':' between a code and a glyph's hex digits");
        }
        const Result<std::uint32_t> code = parseCode(line.substr(0, colon));
        if (!code) {
            return failure(code.message());
        }
        const std::string_view digits = line.substr(colon + 1);
        if (Status sized = checkGlyphDigits(digits); !sized) {
            return sized;
        }
        const std::size_t bytes = digits.size() / 2;
        font.bits.resize(font.bits.size() + bytes);
        if (Status parsed = parseHexBytes(digits, std::span(font.bits).last(bytes)); !parsed) {
            return parsed;
        }
        if (*code > 0xFFFF) {
            font.bits.resize(font.bits.size() - bytes);
            ++font.aboveFFFF;
            return {};
        }
        const bool wide = digits.size() == wideDigits;
        font.glyphs.push_back({ static_cast<std::uint16_t>(*code), wide });
        font.anyWide |= wide;
        return {};
    }

    Result<HexFont> parseHex(ByteSource& source)
    {
        TextLineReader lines(source);
        HexFont font;
        for (;;) {
            const Result<bool> more = lines.advance();
            if (!more) {
                return failure(more.message());
            }
            if (!*more) {
                return font;
            }
            const std::string_view line = withoutTrailingSpace(lines.line());
            if (line.empty()) {
                continue;
            }
            if (font.glyphs.size() + font.aboveFFFF >= maxCharSetGlyphs) {
                return lineFailure(lines.lineNumber(),
                    "the file holds more than " + std::to_string(maxCharSetGlyphs)
                        + " glyphs, more than a font may hold");
            }
            if (Status read = readLine(line, font); !read) {
                return lineFailure(lines.lineNumber(), read.message());
            }
        }
    }

} // namespace

Result<FontLib> readUnifontHex(ByteSource& source, const FontFileOptions& options, ReadNotes& notes)
{
    const Result<HexFont> hex = parseHex(source);
    if (!hex) {
        return failure(hex.message());
    }
    const GlyphSize cell = options.cell.value_or(GlyphSize { hex->anyWide ? 16 : 8, glyphRows });
    const CellOffset offset = options.offset.value_or(CellOffset {});
    const auto count = static_cast<std::uint32_t>(hex->glyphs.size());
    if (count == 0) {
        return failure(hex->aboveFFFF == 0 ? "the file holds no glyphs"
                                           : "the file holds no glyph with a code from 0 to FFFF");
    }
    if (Status size = checkImportedFontSize(cell, count); !size) {
        return failure(size.message());
    }
    FontLib font = FontLib::blank(cell.width, cell.height, count, true);
    if (const int baseline = offset.y + unifontAscent; baseline >= 0 && baseline <= cell.height) {
        font.baseline = baseline;
    }
    std::size_t bitsAt = 0;
    std::size_t cut = 0;
    for (std::uint32_t i = 0; i < count; ++i) {
        const HexGlyph& glyph = hex->glyphs[i];
        const int width = glyph.wide ? 16 : 8;
        const std::size_t bytes = rowBytesFor(width) * glyphRows;
        (*font.codeTable)[i] = glyph.code;
        cut += placeBitmap(font, i,
            { std::span(hex->bits).subspan(bitsAt, bytes), width, glyphRows }, offset.x, offset.y);
        bitsAt += bytes;
    }
    noteGlyphs(notes, hex->aboveFFFF, "with codes above FFFF", "skipped");
    noteRepeatedCodes(notes, *font.codeTable);
    noteCutGlyphs(notes, cut, cell);
    return font;
}

} // namespace tessellon
