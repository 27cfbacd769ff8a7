/* Draws fonts written by Tessellon's compact export (format 0xC1). Portable C99: no
 * allocation, no floating point, no library calls. The font's bytes are read where they lie
 * (const data, flash on a microcontroller) and every read is checked against their length,
 * so a damaged font draws garbage at worst, never reads outside its bytes.
 *
 *   tessellon_compact_font font;
 *   if (tessellon_compact_open(&font, my_font, my_font_size))
 *       tessellon_compact_text(&font, "Hello", 0, 12, set_pixel, framebuffer);
 */
#ifndef TESSELLON_COMPACT_H
#define TESSELLON_COMPACT_H

#ifdef __cplusplus
extern "C" {
#endif

/* A font's header, read by tessellon_compact_open; the fields are the decoder's own. */
typedef struct tessellon_compact_font {
    const unsigned char* data;
    unsigned long bits, runs, runs_at, glyphs, dict_at, index_at, glyphs_at;
    int width, height, baseline, proportional, gap, space, same_rows;
    unsigned dict_count, dict_bits, stride_log, offset_bits, run_bits[2];
    unsigned box_count[4], box_bits[4];
    unsigned short box_list[4][7];
} tessellon_compact_font;

/* A glyph found by tessellon_compact_find. x, y, width and height are its ink box: x
 * columns right of the pen, y rows below the baseline (negative above it); an empty glyph
 * has width and height 0. advance is how far the pen moves after it. */
typedef struct tessellon_compact_glyph {
    int x, y, width, height, advance;
    /* Where decoding stands. */
    const tessellon_compact_font* font;
    unsigned long at, row_at;
    int row;
} tessellon_compact_glyph;

/* Called for each ink pixel drawn, at (x, y). */
typedef void (*tessellon_compact_pixel)(void* context, int x, int y);

/* Reads the header of the size bytes at data. 1 when they hold a font, 0 otherwise. */
int tessellon_compact_open(
    tessellon_compact_font* font, const unsigned char* data, unsigned long size);

/* Finds the glyph of a character code. 1 when found, 0 when the font has none. */
int tessellon_compact_find(
    const tessellon_compact_font* font, unsigned long code, tessellon_compact_glyph* glyph);

/* Decodes the glyph's next row of its ink box into row: width pixels, the leftmost in the
 * top bit of row[0], 1 for ink, the bits after the last pixel 0. 1 when a row was written;
 * 0 when none is left, the font is damaged or row_size bytes cannot hold the row (nothing is
 * written then). */
int tessellon_compact_row(
    tessellon_compact_glyph* glyph, unsigned char* row, unsigned long row_size);

/* Draws a character with the pen at (x, y) on the baseline: pixel() for each ink pixel.
 * Returns the glyph's advance, 0 when the font has no glyph for the code. */
int tessellon_compact_draw(const tessellon_compact_font* font, unsigned long code, int x, int y,
    tessellon_compact_pixel pixel, void* context);

/* Draws a zero-terminated UTF-8 string from the pen at (x, y) on the baseline and returns
 * the pen's x after it. Characters the font lacks and malformed bytes are skipped. */
int tessellon_compact_text(const tessellon_compact_font* font, const char* text, int x, int y,
    tessellon_compact_pixel pixel, void* context);

#ifdef __cplusplus
}
#endif

#endif
