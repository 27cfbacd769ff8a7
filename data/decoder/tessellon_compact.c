/* Tessellon compact fonts: the decoder. The format is described byte by byte in Tessellon's
 * manual; in short, one stream of bits, most significant bit first: a header, the code runs,
 * the ink-box value lists, a dictionary of rows, an index of every 2^n-th glyph, then the
 * glyphs, each its ink box and its rows. */
#include "tessellon_compact.h"

#define FORMAT 0xC1u
/* Fonts up to 256 MB: every bit position, and the sum of two, below 2^32. */
#define MAX_SIZE 0x0FFFFFFFul

typedef tessellon_compact_font Font;
/* A glyph is also where a font's bits are being read: its font and at. */
typedef tessellon_compact_glyph Glyph;

/* The n <= 8 bits at at, which lie in the font. */
static unsigned bits8(const Font* f, unsigned long at, unsigned n)
{
    unsigned shift = (unsigned)(at & 7), value = (unsigned)f->data[at >> 3] << 8;
    value |= shift + n > 8 ? f->data[(at >> 3) + 1] : 0u;
    return (value >> (16 - shift - n)) & ((1u << n) - 1);
}

/* The next n bits (n <= 32). Past the end: 0, and the reading stays past the end. */
static unsigned long get(Glyph* g, unsigned n)
{
    unsigned long value = 0, bits = g->font->bits;
    unsigned take;
    if (g->at > bits || n > bits - g->at) {
        g->at = bits + 1;
        return 0;
    }
    for (; n > 0; n -= take, g->at += take) {
        take = n < 8 ? n : 8;
        value = value << take | bits8(g->font, g->at, take);
    }
    return value;
}

/* get(g, 1), the most frequent read, made short. */
static unsigned flag(Glyph* g)
{
    return g->at < g->font->bits ? bits8(g->font, g->at++, 1) : (unsigned)get(g, 1);
}

/* Bits to write the numbers 0 to n - 1 (n <= 2^16). */
static unsigned bits_for(unsigned long n)
{
    unsigned b = 0;
    for (; (1ul << b) < n; b++) { }
    return b;
}

/* An ink-box field: 1^i 0 for the i-th value of its list, or as many 1s as the list holds
 * and the value itself. */
static unsigned box_field(Glyph* g, int field)
{
    unsigned i = 0, count = g->font->box_count[field];
    for (; i < count && flag(g); i++) { }
    return i < count ? g->font->box_list[field][i] : (unsigned)get(g, g->font->box_bits[field]);
}

int tessellon_compact_open(Font* f, const unsigned char* data, unsigned long size)
{
    Glyph r;
    unsigned long format, i, entries, code = 0, length;
    unsigned k, j;
    f->data = data;
    f->bits = data && size <= MAX_SIZE ? size * 8 : 0;
    r.font = f;
    r.at = 0;
    format = get(&r, 8);
    f->width = (int)get(&r, 8) + 1;
    f->height = (int)get(&r, 8) + 1;
    f->baseline = (int)get(&r, 9);
    f->proportional = (int)get(&r, 1);
    if (f->proportional) {
        f->gap = (int)get(&r, 8);
        f->space = (int)get(&r, 8);
    }
    f->run_bits[0] = (unsigned)get(&r, 5);
    f->run_bits[1] = (unsigned)get(&r, 5);
    f->runs = get(&r, 16);
    f->runs_at = r.at;
    f->glyphs = 0;
    for (i = 0; i < f->runs && code <= 0x10000ul; i++) {
        code += i ? get(&r, f->run_bits[0]) + 1 : get(&r, 16);
        length = get(&r, f->run_bits[1]) + 1;
        code += length;
        f->glyphs += length;
    }
    for (k = 0; k < 4; k++) {
        f->box_bits[k] = bits_for(k < 2 ? (unsigned long)f->height + 1 : (unsigned long)f->width);
        f->box_count[k] = (unsigned)get(&r, 3);
        for (j = 0; j < f->box_count[k]; j++) {
            f->box_list[k][j] = (unsigned short)get(&r, f->box_bits[k]);
        }
    }
    f->same_rows = (int)get(&r, 1);
    f->dict_count = (unsigned)get(&r, 12);
    f->dict_bits = bits_for(f->dict_count);
    f->dict_at = r.at;
    r.at += (unsigned long)f->dict_count * (unsigned long)f->width;
    f->stride_log = (unsigned)get(&r, 4);
    f->offset_bits = (unsigned)get(&r, 5);
    f->index_at = r.at;
    entries = (f->glyphs - 1) >> f->stride_log;
    if (r.at > f->bits || (f->offset_bits > 0 && entries > (f->bits - r.at) / f->offset_bits)) {
        return 0;
    }
    f->glyphs_at = r.at + entries * f->offset_bits;
    return format == FORMAT && f->runs > 0 && code <= 0x10000ul && f->run_bits[0] <= 16
        && f->run_bits[1] <= 16 && f->baseline <= f->height;
}

/* Reads the ink box of the glyph whose bits start where g stands. A glyph without ink has
 * its bottom at its top. */
static int read_box(Glyph* g)
{
    const Font* f = g->font;
    unsigned top = box_field(g, 0), bottom = box_field(g, 1), left = box_field(g, 2);
    unsigned right = box_field(g, 3) + 1;
    g->row = 0;
    g->x = (int)left;
    g->y = (int)top - f->baseline;
    g->height = (int)(bottom - top);
    g->width = g->height ? (int)(right - left) : 0;
    g->advance = !f->proportional ? f->width : g->width ? (int)right + f->gap : f->space;
    return g->at <= f->bits && top <= bottom && bottom <= (unsigned)f->height && left < right
        && right <= (unsigned)f->width;
}

/* Moves to the glyph's next row and points row_at at its pixels: the row before it again,
 * a row of the dictionary, or the next width bits. 0 when no row is left or it is damaged. */
static int next_row(Glyph* g)
{
    const Font* f = g->font;
    if (g->row >= g->height) {
        return 0;
    }
    if (f->same_rows && g->row > 0 && flag(g)) {
        /* row_at stays */
    } else if (f->dict_count > 0 && flag(g)) {
        g->row_at = f->dict_at + get(g, f->dict_bits) % f->dict_count * (unsigned long)f->width
            + (unsigned long)g->x;
    } else {
        g->row_at = g->at;
        g->at += (unsigned long)g->width;
    }
    g->row++;
    return g->at <= f->bits;
}

int tessellon_compact_find(const Font* f, unsigned long code, Glyph* g)
{
    unsigned long first = 0, length = 0, n = 0, r, skip;
    g->font = f;
    g->at = f->runs_at;
    for (r = 0; r < f->runs && code >= first; r++, n += length) {
        first = r ? first + length + get(g, f->run_bits[0]) + 1 : get(g, 16);
        length = get(g, f->run_bits[1]) + 1;
        if (g->at > f->bits) {
            return 0;
        }
        if (code >= first && code - first < length) {
            n += code - first;
            g->at = f->index_at + ((n >> f->stride_log) - 1) * f->offset_bits;
            g->at = f->glyphs_at + (n >> f->stride_log ? get(g, f->offset_bits) : 0);
            for (skip = n & ((1ul << f->stride_log) - 1); read_box(g); skip--) {
                if (skip == 0) {
                    return 1;
                }
                while (next_row(g)) { }
            }
            return 0;
        }
    }
    return 0;
}

int tessellon_compact_row(Glyph* g, unsigned char* row, unsigned long row_size)
{
    unsigned long at;
    int x;
    if ((unsigned long)(g->width + 7) / 8 > row_size || !next_row(g)) {
        return 0;
    }
    for (at = g->row_at, x = 0; x < g->width; x += 8, at += 8) {
        unsigned n = g->width - x < 8 ? (unsigned)(g->width - x) : 8;
        row[x / 8] = (unsigned char)(bits8(g->font, at, n) << (8 - n));
    }
    return 1;
}

int tessellon_compact_draw(
    const Font* f, unsigned long code, int x, int y, tessellon_compact_pixel pixel, void* context)
{
    Glyph g;
    int column;
    if (!tessellon_compact_find(f, code, &g)) {
        return 0;
    }
    while (next_row(&g)) {
        for (column = 0; column < g.width; column++) {
            if (bits8(f, g.row_at + (unsigned long)column, 1)) {
                pixel(context, x + g.x + column, y + g.y + g.row - 1);
            }
        }
    }
    return g.advance;
}

int tessellon_compact_text(
    const Font* f, const char* text, int x, int y, tessellon_compact_pixel pixel, void* context)
{
    const unsigned char* s = (const unsigned char*)text;
    while (*s) {
        unsigned long code = *s++;
        int more = (code >= 0xC0) + (code >= 0xE0) + (code >= 0xF0);
        for (code &= 0x7Fu >> more; more > 0 && (*s & 0xC0) == 0x80; more--) {
            code = code << 6 | (*s++ & 0x3Fu);
        }
        /* Skipped: cut sequences, and continuation bytes without a lead byte or that spell
         * an ASCII code (drawn where it should stand alone). */
        if (more == 0 && (code >= 0x80 || s[-1] < 0x80)) {
            x += tessellon_compact_draw(f, code, x, y, pixel, context);
        }
    }
    return x;
}
