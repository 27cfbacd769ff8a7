/* Tessellon compact fonts: the decoder. The format is described byte by byte in Tessellon's
 * manual; in short, one stream of bits, most significant bit first: a header, the code runs,
 * the ink-box value lists, a dictionary of rows, an index of every 2^n-th glyph, then the
 * glyphs, each its ink box and its rows. */
#include "tessellon_compact.h"

#define FORMAT 0xC1u
/* Fonts up to 256 MB: every bit position and sum of two below 2^32. */
#define MAX_SIZE 0x0FFFFFFFul

typedef tessellon_compact_font Font;
typedef tessellon_compact_glyph Glyph;

static unsigned bit(const Font* f, unsigned long at)
{
    return (f->data[at >> 3] >> (7 - (at & 7))) & 1u;
}

/* The n <= 8 bits at at, which lie in the font. */
static unsigned bits8(const Font* f, unsigned long at, unsigned n)
{
    unsigned shift = (unsigned)(at & 7), value = (unsigned)f->data[at >> 3] << 8;
    if (shift + n > 8) {
        value |= f->data[(at >> 3) + 1];
    }
    return (value >> (16 - shift - n)) & ((1u << n) - 1);
}

/* The next n bits (n <= 32) at *at. Past the end: 0, and *at stays past the end. */
static unsigned long get(const Font* f, unsigned long* at, unsigned n)
{
    unsigned long value = 0;
    unsigned take;
    if (*at > f->bits || n > f->bits - *at) {
        *at = f->bits + 1;
        return 0;
    }
    for (; n > 0; n -= take, *at += take) {
        take = n < 8 ? n : 8;
        value = value << take | bits8(f, *at, take);
    }
    return value;
}

/* get(f, at, 1), the most frequent read, on its own. */
static unsigned flag(const Font* f, unsigned long* at)
{
    if (*at >= f->bits) {
        *at = f->bits + 1;
        return 0;
    }
    return bit(f, (*at)++);
}

/* Bits to write the numbers 0 to n - 1. */
static unsigned bits_for(unsigned long n)
{
    unsigned b = 0;
    while (b < 32 && (1ul << b) < n) {
        b++;
    }
    return b;
}

/* An ink-box field: 1^i 0 for the i-th value of its list, or as many 1s as the list holds
 * and the value itself. */
static unsigned box_field(const Font* f, unsigned long* at, int field)
{
    unsigned i = 0;
    while (i < f->box_count[field] && flag(f, at)) {
        i++;
    }
    if (i < f->box_count[field]) {
        return f->box_list[field][i];
    }
    return (unsigned)get(f, at, f->box_bits[field]);
}

int tessellon_compact_open(Font* f, const unsigned char* data, unsigned long size)
{
    unsigned long at = 0, i, entries, code = 0, length;
    unsigned k, j;
    if (!data || size > MAX_SIZE) {
        return 0;
    }
    f->data = data;
    f->bits = size * 8;
    if (get(f, &at, 8) != FORMAT) {
        return 0;
    }
    f->width = (int)get(f, &at, 8) + 1;
    f->height = (int)get(f, &at, 8) + 1;
    f->baseline = (int)get(f, &at, 9);
    f->proportional = (int)get(f, &at, 1);
    f->gap = f->proportional ? (int)get(f, &at, 8) : 0;
    f->space = f->proportional ? (int)get(f, &at, 8) : 0;
    f->run_bits[0] = (unsigned)get(f, &at, 5);
    f->run_bits[1] = (unsigned)get(f, &at, 5);
    f->runs = get(f, &at, 16);
    f->runs_at = at;
    f->glyphs = 0;
    if (f->run_bits[0] > 16 || f->run_bits[1] > 16) {
        return 0;
    }
    for (i = 0; i < f->runs && code <= 0x10000ul; i++) {
        code += i ? get(f, &at, f->run_bits[0]) + 1 : get(f, &at, 16);
        length = get(f, &at, f->run_bits[1]) + 1;
        code += length;
        f->glyphs += length;
    }
    for (k = 0; k < 4; k++) {
        f->box_bits[k] = bits_for(k < 2 ? (unsigned long)f->height + 1 : (unsigned long)f->width);
        f->box_count[k] = (unsigned)get(f, &at, 3);
        for (j = 0; j < f->box_count[k]; j++) {
            f->box_list[k][j] = (unsigned short)get(f, &at, f->box_bits[k]);
        }
    }
    f->same_rows = (int)get(f, &at, 1);
    f->dict_count = (unsigned)get(f, &at, 12);
    f->dict_bits = bits_for(f->dict_count);
    f->dict_at = at;
    at += (unsigned long)f->dict_count * (unsigned long)f->width;
    f->stride_log = (unsigned)get(f, &at, 4);
    f->offset_bits = (unsigned)get(f, &at, 5);
    f->index_at = at;
    entries = f->glyphs ? (f->glyphs - 1) >> f->stride_log : 0;
    if (f->offset_bits > 0 && entries > (f->bits - at) / f->offset_bits) {
        return 0;
    }
    f->glyphs_at = at + entries * f->offset_bits;
    return at <= f->bits && f->glyphs_at <= f->bits && f->runs > 0 && code <= 0x10000ul
        && f->baseline <= f->height;
}

/* Reads the ink box of the glyph whose bits start at at. */
static int glyph_at(const Font* f, unsigned long at, Glyph* g)
{
    unsigned top = box_field(f, &at, 0), bottom = box_field(f, &at, 1), left = 0, right = 0;
    if (bottom > top) {
        left = box_field(f, &at, 2);
        right = box_field(f, &at, 3) + 1;
    }
    if (at > f->bits || bottom < top || bottom > (unsigned)f->height || right > (unsigned)f->width
        || left > right || (left == right) != (bottom == top)) {
        return 0;
    }
    g->font = f;
    g->at = at;
    g->row = 0;
    g->x = (int)left;
    g->y = (int)top - f->baseline;
    g->width = (int)(right - left);
    g->height = (int)(bottom - top);
    g->advance = !f->proportional ? f->width : g->width ? (int)right + f->gap : f->space;
    return 1;
}

/* Moves to the glyph's next row and points row_at at its pixels: the row before it again,
 * a row of the dictionary, or the next width bits. 0 when no row is left or it is damaged. */
static int next_row(Glyph* g)
{
    const Font* f = g->font;
    unsigned long entry;
    if (g->row >= g->height) {
        return 0;
    }
    if (!(f->same_rows && g->row > 0 && flag(f, &g->at))) {
        if (f->dict_count > 0 && flag(f, &g->at)) {
            entry = get(f, &g->at, f->dict_bits);
            g->row_at = f->dict_at + (entry % f->dict_count) * (unsigned long)f->width
                + (unsigned long)g->x;
        } else {
            g->row_at = g->at;
            g->at += (unsigned long)g->width;
        }
    }
    g->row++;
    return g->at <= f->bits;
}

int tessellon_compact_find(const Font* f, unsigned long code, Glyph* g)
{
    unsigned long at = f->runs_at, first = 0, length = 0, n = 0, r, skip;
    for (r = 0; r < f->runs; r++, n += length) {
        first = r ? first + length + get(f, &at, f->run_bits[0]) + 1 : get(f, &at, 16);
        length = get(f, &at, f->run_bits[1]) + 1;
        if (at > f->bits) {
            return 0;
        }
        if (code >= first && code - first < length) {
            break;
        }
    }
    if (r == f->runs) {
        return 0;
    }
    n += code - first;
    at = f->index_at + ((n >> f->stride_log) - 1) * f->offset_bits;
    at = f->glyphs_at + (n >> f->stride_log ? get(f, &at, f->offset_bits) : 0);
    for (skip = n & ((1ul << f->stride_log) - 1); glyph_at(f, at, g); skip--) {
        if (skip == 0) {
            return 1;
        }
        while (next_row(g)) { }
        if (g->row < g->height) {
            return 0;
        }
        at = g->at;
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
            if (bit(f, g.row_at + (unsigned long)column)) {
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
        int more = code >= 0xF0 ? 3 : code >= 0xE0 ? 2 : code >= 0xC0 ? 1 : 0;
        if (code >= 0x80 && code < 0xC0) {
            continue; /* a continuation byte without its lead byte */
        }
        code &= 0x7Fu >> more;
        for (; more > 0 && (*s & 0xC0) == 0x80; more--) {
            code = code << 6 | (*s++ & 0x3Fu);
        }
        if (more == 0) {
            x += tessellon_compact_draw(f, code, x, y, pixel, context);
        }
    }
    return x;
}
