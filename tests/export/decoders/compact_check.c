/* Draws glyphs of a compact font with the shipped decoder, as the export tests read them.
 *   compact_check W H BASELINE < codes
 * Built with the font's C file, which defines FONT (its bytes) and FONT_size. For each
 * hexadecimal code read: "XXXX missing", "XXXX outside" (ink outside the W x H cell), or
 * "XXXX advance N" and H rows of W characters, '#' ink and '.' background, the pen at x = 0
 * on the baseline BASELINE rows below the cell's top. Each glyph is drawn twice, through the
 * pixel callback and row by row; "XXXX rows differ" when the two disagree. */
#include "tessellon_compact.c"

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#define PASTE(a, b) a##b
#define SIZE_NAME(font) PASTE(font, _size)

extern const unsigned char FONT[];
extern const unsigned long SIZE_NAME(FONT);

enum { MAX_SIDE = 256 };

typedef struct {
    int width, height, outside;
    char pixels[MAX_SIDE * MAX_SIDE];
} Cell;

static void clear(Cell* cell)
{
    memset(cell->pixels, '.', sizeof cell->pixels);
    cell->outside = 0;
}

static void set_pixel(void* context, int x, int y)
{
    Cell* cell = context;
    if (x < 0 || y < 0 || x >= cell->width || y >= cell->height) {
        cell->outside = 1;
    } else {
        cell->pixels[y * MAX_SIDE + x] = '#';
    }
}

/* The glyph drawn from its rows, as a caller with a row buffer would. */
static void draw_rows(tessellon_compact_glyph* glyph, int baseline, Cell* cell)
{
    unsigned char row[MAX_SIDE / 8];
    int y, x;
    for (y = 0; tessellon_compact_row(glyph, row, sizeof row); y++) {
        for (x = 0; x < glyph->width; x++) {
            if (row[x / 8] & (0x80 >> (x % 8))) {
                set_pixel(cell, glyph->x + x, baseline + glyph->y + y);
            }
        }
    }
}

int main(int argc, char** argv)
{
    static Cell drawn, rows;
    tessellon_compact_font font;
    tessellon_compact_glyph glyph;
    unsigned long code;
    int baseline, advance, y;
    if (argc != 4) {
        fprintf(stderr, "usage: compact_check W H BASELINE < codes\n");
        return 2;
    }
    drawn.width = rows.width = atoi(argv[1]);
    drawn.height = rows.height = atoi(argv[2]);
    baseline = atoi(argv[3]);
    if (!tessellon_compact_open(&font, FONT, SIZE_NAME(FONT))) {
        printf("font does not open\n");
        return 1;
    }
    while (scanf("%lx", &code) == 1) {
        if (!tessellon_compact_find(&font, code, &glyph)) {
            printf("%04lX missing\n", code);
            continue;
        }
        clear(&drawn);
        clear(&rows);
        advance = tessellon_compact_draw(&font, code, 0, baseline, set_pixel, &drawn);
        draw_rows(&glyph, baseline, &rows);
        if (drawn.outside) {
            printf("%04lX outside\n", code);
        } else if (rows.outside || memcmp(drawn.pixels, rows.pixels, sizeof drawn.pixels) != 0) {
            printf("%04lX rows differ\n", code);
        } else {
            printf("%04lX advance %d\n", code, advance);
            for (y = 0; y < drawn.height; y++) {
                printf("%.*s\n", drawn.width, drawn.pixels + y * MAX_SIDE);
            }
        }
    }
    return 0;
}
