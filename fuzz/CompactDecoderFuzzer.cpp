// Feeds arbitrary bytes to the shipped C decoder as a compact font. Whatever it opens, it
// finds and decodes glyphs of many codes and draws a string: no read may leave the bytes
// (each input has a buffer of exactly its size), no row may overrun a buffer of exactly
// its size, and no pixel may fall outside the font's cell.
#include "tessellon_compact.h"

#include <cstdint>
#include <cstdlib>
#include <vector>

namespace {

struct Cell {
    int width;
    int height;
};

void insideCell(void* context, int x, int y)
{
    const Cell* cell = static_cast<const Cell*>(context);
    if (x < 0 || x >= cell->width || y < 0 || y >= cell->height) {
        std::abort();
    }
}

void decodeRows(tessellon_compact_glyph glyph)
{
    std::vector<unsigned char> row((glyph.width + 7) / 8);
    int rows = 0;
    while (tessellon_compact_row(&glyph, row.data(), row.size())) {
        ++rows;
    }
    if (rows > glyph.height) {
        std::abort();
    }
}

void drawCode(const tessellon_compact_font& font, unsigned long code)
{
    tessellon_compact_glyph glyph;
    if (tessellon_compact_find(&font, code, &glyph)) {
        decodeRows(glyph);
        Cell cell { font.width, font.height };
        tessellon_compact_draw(&font, code, 0, font.baseline, insideCell, &cell);
    }
}

void ignorePixel(void*, int, int) { }

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    tessellon_compact_font font;
    if (!tessellon_compact_open(&font, data, size)) {
        return 0;
    }
    for (unsigned long code = 0x1E; code < 0x42; ++code) {
        drawCode(font, code);
    }
    for (const unsigned long code :
        { 0ul, 0x7Eul, 0xE9ul, 0x100ul, 0x4E00ul, 0x4E2Dul, 0x9FA5ul, 0xFFFFul, 0x10000ul }) {
        drawCode(font, code);
    }
    tessellon_compact_text(&font, "Hello, \xE4\xB8\xAD\xC3\xA9\x80\xF0\x9F\x98\x80!", 0,
        font.baseline, ignorePixel, nullptr);
    return 0;
}
