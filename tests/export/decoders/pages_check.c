/* Draws the glyphs of a font for page-addressed displays back as such a display shows the
   bytes: a glyph is (height + 7) / 8 pages of width bytes, one per pixel column; bit j of
   a page p byte is row 8p + j (bit 0 the top row) or, with layout bit 1, row 8p + 7 - j;
   the bytes go page after page, each left to right, or with layout bit 2 column after
   column, each top page first. Glyph k has code codes[k] and its bytes at
   k * glyph_bytes; the cell's top lies baseline rows above the pen's baseline. */
#define FIXED_FONT pages_font
#include "fixed_cells.h"

static unsigned long glyph_bytes(void) { return (FONT.height + 7) / 8 * FONT.width; }

static void draw(long k)
{
    const unsigned pages = (FONT.height + 7u) / 8u;
    const uint8_t *bytes = FONT.bitmaps + (size_t)k * FONT.glyph_bytes;
    const long top = canvas_baseline - FONT.baseline;
    unsigned page, x, bit;
    for (page = 0; page < pages; ++page) {
        for (x = 0; x < FONT.width; ++x) {
            const uint8_t byte
                = FONT.layout & 2 ? bytes[x * pages + page] : bytes[page * FONT.width + x];
            for (bit = 0; bit < 8; ++bit) {
                const unsigned row = page * 8 + (FONT.layout & 1 ? 7 - bit : bit);
                if (byte & (1u << bit)) {
                    canvas_ink(x, row < FONT.height ? top + (long)row : -1);
                }
            }
        }
    }
}
