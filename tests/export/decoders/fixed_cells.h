/* The part the checks of the pages and rows targets share: their fonts' struct, the same
   fields under each target's name (the including file defines FIXED_FONT as it), the search
   of a code in the font's codes, and the program. The including file gives glyph_bytes(),
   the bytes a glyph of the font's cell takes, and draw(k), which draws glyph k into the
   canvas with the font's top baseline rows above the canvas's baseline. */
#ifndef FIXED_CELLS_H
#define FIXED_CELLS_H

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
} FIXED_FONT;

extern const FIXED_FONT FONT;

static unsigned long glyph_bytes(void);
static void draw(long k);

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

int main(int argc, char **argv)
{
    unsigned long code;
    if (!canvas_begin(argc, argv)) {
        return 2;
    }
    if (FONT.width != canvas_width || FONT.height != canvas_height
        || FONT.glyph_bytes != glyph_bytes()) {
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

#endif
