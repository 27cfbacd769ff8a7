/* Draws the glyphs of a font in plain rows back from its bytes: a glyph is height rows
   from the top, (width + 7) / 8 bytes each; the leftmost pixel of a byte is bit 7, or with
   layout bit 1 bit 0; a set bit is ink, or with layout bit 2 background (padding bits are
   0 either way, which the check asks too). Glyph k has code codes[k] and its bytes at
   k * glyph_bytes; the cell's top lies baseline rows above the pen's baseline. */
#include "check_canvas.h"

#include <stddef.h>
#include <stdint.h>

typedef struct {
    uint16_t width, height, baseline, glyph_bytes;
    uint32_t count;
    uint8_t layout;
    const uint16_t *codes;
    const uint8_t *bitmaps;
    const uint16_t *advances;
} rows_font;

extern const rows_font FONT;

static long find(unsigned long code)
{
    unsigned long low = 0;
    unsigned long high = FONT.count;
    while (low < high) {
        const unsigned long middle = low + (high - low) / 2;
        if (FONT.codes[middle] < code) {
            low = middle + 1;
        } else {
            high = middle;
        }
    }
    return low < FONT.count && FONT.codes[low] == code ? (long)low : -1;
}

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

int main(int argc, char **argv)
{
    unsigned long code;
    if (!canvas_begin(argc, argv)) {
        return 2;
    }
    if (FONT.width != canvas_width || FONT.height != canvas_height
        || FONT.glyph_bytes != (FONT.width + 7) / 8 * FONT.height) {
        printf("the font's sizes do not match the cell\n");
        return 1;
    }
    while (canvas_next_code(&code)) {
        const long k = find(code);
        if (k < 0) {
            canvas_missing(code);
            continue;
        }
        canvas_clear();
        draw(k);
        canvas_print(code, FONT.advances ? FONT.advances[k] : FONT.width);
    }
    return 0;
}
