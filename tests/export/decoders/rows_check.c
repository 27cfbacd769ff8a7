/* Draws the glyphs of a font in plain rows back from its bytes: a glyph is height rows
   from the top, (width + 7) / 8 bytes each; the leftmost pixel of a byte is bit 7, or with
   layout bit 1 bit 0; a set bit is ink, or with layout bit 2 background (padding bits are
   0 either way, which the check asks too). Glyph k has code codes[k] and its bytes at
   k * glyph_bytes; the cell's top lies baseline rows above the pen's baseline. */
#define FIXED_FONT rows_font
#include "fixed_cells.h"

static unsigned long glyph_bytes(void) { return (FONT.width + 7) / 8 * FONT.height; }

static void draw(long k)
{
    const unsigned stride = (FONT.width + 7u) / 8u;
    const uint8_t *bytes = FONT.bitmaps + (size_t)k * FONT.glyph_bytes;
    const long top = canvas_baseline - FONT.baseline;
    unsigned x, y;
    for (y = 0; y < FONT.height; ++y) {
        for (x = 0; x < stride * 8; ++x) {
            const uint8_t byte = bytes[y * stride + x / 8];
            const unsigned bit = FONT.layout & 1 ? x % 8 : 7 - x % 8;
            const int set = (byte >> bit) & 1;
            if (x >= FONT.width) {
                if (set) {
                    canvas_ink(-1, -1); /* a padding bit that is not 0 */
                }
            } else if (set != ((FONT.layout & 2) != 0)) {
                canvas_ink(x, top + (long)y);
            }
        }
    }
}
