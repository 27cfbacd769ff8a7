#include "formats/GlyphPlacement.h"

#include <cstdio>

namespace tessellon {

namespace {

    // Adds one byte of ink whose leftmost pixel lands on column left of a glyph row.
    bool placeByte(std::uint8_t ink, int left, std::uint8_t* row, int rowWidth)
    {
        if (left >= 0 && left + 8 <= rowWidth) {
            const int shift = left & 7;
            row[left >> 3] |= static_cast<std::uint8_t>(ink >> shift);
            if (shift != 0) {
                row[(left >> 3) + 1] |= static_cast<std::uint8_t>(ink << (8 - shift));
            }
            return false;
        }
        bool cut = false;
        for (int bit = 0; bit < 8; ++bit) {
            if ((ink & pixelMask(bit)) == 0) {
                continue;
            }
            const int x = left + bit;
            if (x >= 0 && x < rowWidth) {
                row[x >> 3] |= pixelMask(x);
            } else {
                cut = true;
            }
        }
        return cut;
    }

    // The ink of byte column of a row of width pixels, padding bits dropped.
    std::uint8_t inkOf(std::uint8_t byte, int column, int width)
    {
        const int pixelsLeft = width - 8 * column;
        return pixelsLeft >= 8 ? byte : static_cast<std::uint8_t>(byte & (0xFF00u >> pixelsLeft));
    }

} // namespace

bool placeBitmap(FontLib& font, std::uint32_t index, const PackedBitmap& bitmap, int x, int y)
{
    const std::size_t sourceRowBytes = rowBytesFor(bitmap.width);
    const int glyphHeight = font.info.glyphHeight;
    const std::span<std::uint8_t> glyph = font.glyph(index);
    bool cut = false;
    for (int row = 0; row < bitmap.height; ++row) {
        const std::uint8_t* source = bitmap.bits.data() + row * sourceRowBytes;
        const int targetRow = y + row;
        for (std::size_t column = 0; column < sourceRowBytes; ++column) {
            const std::uint8_t ink = inkOf(source[column], static_cast<int>(column), bitmap.width);
            if (ink == 0) {
                continue;
            }
            if (targetRow < 0 || targetRow >= glyphHeight) {
                cut = true;
                continue;
            }
            std::uint8_t* target = glyph.data() + targetRow * font.rowBytes();
            cut |= placeByte(ink, x + 8 * static_cast<int>(column), target, font.info.glyphWidth);
        }
    }
    return cut;
}

void noteGlyphs(
    ReadNotes& notes, std::size_t count, const std::string& which, const std::string& what)
{
    if (count == 0) {
        return;
    }
    std::string note = std::to_string(count) + (count == 1 ? " glyph" : " glyphs");
    if (!which.empty()) {
        note += " " + which;
    }
    notes.push_back(note + (count == 1 ? " was " : " were ") + what + ".");
}

void noteCutGlyphs(ReadNotes& notes, std::size_t count, GlyphSize cell)
{
    noteGlyphs(notes, count, "",
        "cut to fit cells of " + std::to_string(cell.width) + " x " + std::to_string(cell.height)
            + " pixels");
}

void noteRepeatedCodes(ReadNotes& notes, const std::vector<std::uint16_t>& codes)
{
    std::vector<bool> seen(0x10000);
    std::size_t repeated = 0;
    std::uint16_t first = 0;
    for (std::uint16_t code : codes) {
        if (seen[code] && repeated++ == 0) {
            first = code;
        }
        seen[code] = true;
    }
    if (repeated == 0) {
        return;
    }
    char code[8];
    std::snprintf(code, sizeof code, "%04X", first);
    notes.push_back(repeated == 1 ? "1 glyph has the code of an earlier glyph (" + std::string(code)
                + "); both were kept."
                                  : std::to_string(repeated)
                + " glyphs have the code of an earlier glyph (the first: " + code
                + "); all were kept.");
}

Status checkImportedFontSize(GlyphSize cell, std::uint64_t count)
{
    const std::optional<FontSizeBound> passed = fontSizeBoundPassed(cell.width, cell.height, count);
    if (!passed) {
        return {};
    }
    switch (*passed) {
    case FontSizeBound::GlyphSide:
        return failure("the glyphs need cells of " + std::to_string(cell.width) + " x "
            + std::to_string(cell.height) + " pixels; a font's glyphs are "
            + std::to_string(minGlyphSide) + " to " + std::to_string(maxGlyphSide)
            + " pixels wide and high (give another cell size)");
    case FontSizeBound::GlyphCount:
        return failure("the file holds more than " + std::to_string(maxCharSetGlyphs)
            + " glyphs, more than a font may hold");
    case FontSizeBound::PixelBytes:
        break;
    }
    return failure(std::to_string(count) + " glyphs of " + std::to_string(cell.width) + " x "
        + std::to_string(cell.height) + " pixels need "
        + std::to_string(fontPixelBytes(cell.width, cell.height, count))
        + " bytes; a font may hold at most " + std::to_string(maxNewFontPixelBytes));
}

} // namespace tessellon
