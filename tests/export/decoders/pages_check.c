/* Draws the glyphs of a font for page-addressed displays back as such a display shows the
   bytes: a glyph is (height + 7) / 8 pages of width bytes, one per pixel column; bit j of
   a page p byte is row 8p + j (bit 0 the top row) or, with layout bit 1, row 8p + 7 - j;
   the bytes go page after page, each left to right, or with layout bit 2 column after
   column, each top page first. Glyph k has code codes[k] and its bytes at
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
} pages_font;

extern const pages_font FONT;

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

int main(int argc, char **argv)
{
    unsigned long code;
    if (!canvas_begin(argc, argv)) {
        return 2;
    }
    if (FONT.width != canvas_width || FONT.height != canvas_height
        || FONT.glyph_bytes != (FONT.height + 7) / 8 * FONT.width) {
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
