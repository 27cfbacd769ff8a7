/* The part every check program shares: the cell a glyph is drawn into and the lines it
   prints, as tests/export/decoders expects them. Run as "check W H BASELINE"; the codes
   come from standard input, one hexadecimal code a line. */
#ifndef CHECK_CANVAS_H
#define CHECK_CANVAS_H

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#define CANVAS_MAX_SIDE 512

static int canvas_width;
static int canvas_height;
static int canvas_baseline;
static unsigned char canvas_cells[CANVAS_MAX_SIDE * CANVAS_MAX_SIDE];
static int canvas_outside;

/* Reads W, H and BASELINE; 0 when they are missing or absurd. */
static int canvas_begin(int argc, char** argv)
{
    if (argc != 4) {
        fprintf(stderr, "usage: %s W H BASELINE < codes\n", argv[0]);
        return 0;
    }
    canvas_width = atoi(argv[1]);
    canvas_height = atoi(argv[2]);
    canvas_baseline = atoi(argv[3]);
    return canvas_width > 0 && canvas_height > 0 && canvas_width <= CANVAS_MAX_SIDE
        && canvas_height <= CANVAS_MAX_SIDE;
}

/* The next code from standard input; 0 at the end. */
static int canvas_next_code(unsigned long* code) { return scanf("%lx", code) == 1; }

static void canvas_clear(void)
{
    memset(canvas_cells, 0, sizeof canvas_cells);
    canvas_outside = 0;
}

/* Ink at (x, y) of the cell, its top-left (0, 0). */
static void canvas_ink(long x, long y)
{
    if (x < 0 || y < 0 || x >= canvas_width || y >= canvas_height) {
        canvas_outside = 1;
        return;
    }
    canvas_cells[y * canvas_width + x] = 1;
}

static void canvas_missing(unsigned long code) { printf("%04lX missing\n", code); }

static void canvas_print(unsigned long code, long advance)
{
    int x, y;
    if (canvas_outside) {
        printf("%04lX outside\n", code);
        return;
    }
    printf("%04lX advance %ld\n", code, advance);
    for (y = 0; y < canvas_height; ++y) {
        for (x = 0; x < canvas_width; ++x) {
            putchar(canvas_cells[y * canvas_width + x] ? '#' : '.');
        }
        putchar('\n');
    }
}

#endif
