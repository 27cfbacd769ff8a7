/* Draws the glyphs of an Adafruit GFX font back as the library draws them, from the
   format gfxfont.h describes: a GFXfont holds the glyphs of the codes first to last; a
   glyph's bitmap starts at bitmapOffset and holds width x height pixels row after row,
   the first in the most significant bit, without padding between rows; its top-left
   pixel lies xOffset right of and yOffset below the cursor, which stands on the baseline;
   the cursor then moves xAdvance right. The export lists its GFXfonts in <FONT>Runs. */
#include "check_canvas.h"

#include <stdint.h>

typedef struct {
    uint16_t bitmapOffset;
    uint8_t width;
    uint8_t height;
    uint8_t xAdvance;
    int8_t xOffset;
    int8_t yOffset;
} GFXglyph;

typedef struct {
    uint8_t *bitmap;
    GFXglyph *glyph;
    uint16_t first;
    uint16_t last;
    uint8_t yAdvance;
} GFXfont;

#define PASTE(a, b) a##b
#define RUNS_OF(font) PASTE(font, Runs)

extern const GFXfont *const RUNS_OF(FONT)[];

static const GFXfont *run_of(unsigned long code)
{
    int r;
    for (r = 0; RUNS_OF(FONT)[r]; ++r) {
        if (code >= RUNS_OF(FONT)[r]->first && code <= RUNS_OF(FONT)[r]->last) {
            return RUNS_OF(FONT)[r];
        }
    }
    return NULL;
}

static void draw(const GFXfont *font, const GFXglyph *glyph)
{
    unsigned long bit = 0;
    int x, y;
    for (y = 0; y < glyph->height; ++y) {
        for (x = 0; x < glyph->width; ++x, ++bit) {
            const uint8_t byte = font->bitmap[glyph->bitmapOffset + bit / 8];
            if (byte & (0x80 >> (bit % 8))) {
                canvas_ink(glyph->xOffset + x, canvas_baseline + glyph->yOffset + y);
            }
        }
    }
}

int main(int argc, char **argv)
{
    unsigned long code;
    int r;
    if (!canvas_begin(argc, argv)) {
        return 2;
    }
    for (r = 0; RUNS_OF(FONT)[r]; ++r) {
        if (RUNS_OF(FONT)[r]->yAdvance != canvas_height) {
            printf("yAdvance %d is not the cell height %d\n", RUNS_OF(FONT)[r]->yAdvance,
                canvas_height);
            return 1;
        }
    }
    while (canvas_next_code(&code)) {
        const GFXfont *font = run_of(code);
        const GFXglyph *glyph;
        if (!font) {
            canvas_missing(code);
            continue;
        }
        glyph = &font->glyph[code - font->first];
        canvas_clear();
        draw(font, glyph);
        canvas_print(code, glyph->xAdvance);
    }
    return 0;
}
