/*
 * Draws glyphs of a u8g2 font back, read as the font format's published description lays
 * it out; compiled together with an exported font whose array is named by -DFONT=name.
 *
 *   check W H BASELINE < codes
 *
 * For each hexadecimal code on standard input: "XXXX missing", or "XXXX advance N" and H
 * rows of W characters ('#' ink, '.' background) with the pen at x = 0 and the baseline
 * at row BASELINE, or "XXXX outside" when the glyph draws ink outside the W x H cell.
 * A glyph whose data the format does not allow prints "XXXX corrupt" and why.
 *
 * The layout read here:
 *   header, 23 bytes: glyph count, box mode, bits of a zeros run (m0) and of an ink run
 *   (m1), bits of a glyph's width, height, x offset, y offset and advance, the font's box
 *   (width, height, x, y), four reference heights, then three big-endian offsets from the
 *   header's end: where the search for codes from 'A' and from 'a' may start and where the
 *   table of codes above FF is.
 *   codes up to FF: per glyph its code (1 byte) and its length (1 byte, the jump to the
 *   next glyph), then bit fields; a glyph of length 0 ends the part.
 *   codes above FF: a table of 4-byte entries (big-endian jump from the entry's block to
 *   the block before's start, the first counted from the table's start; the last code of
 *   the block, FFFF in the last entry), then glyphs with 2-byte codes and a 1-byte length;
 *   code 0 ends the part.
 *   bit fields, least significant bit first within each byte and each value: width,
 *   height (unsigned), x, y, advance (signed: stored value minus 2^(bits-1)); y is the
 *   bottom of the box above the baseline. While the width is not 0, the pixels follow, row
 *   by row: pairs of a zeros count (m0 bits) and an ink count (m1 bits), each followed by
 *   1 bits that repeat it and a 0 bit, until the box is complete.
 */
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#ifndef FONT
#error "compile with -DFONT=identifier of the font's array"
#endif

extern const unsigned char FONT[];

#define HEADER_BYTES 23
#define MOST_SIDE 256

static int cell_width;
static int cell_height;
static int baseline;
static char cell[MOST_SIDE][MOST_SIDE + 1];

static unsigned word_at(const unsigned char* p) { return ((unsigned)p[0] << 8) | p[1]; }

struct bit_reader {
    const unsigned char* data;
    unsigned long bytes;
    unsigned long position;
    int overrun;
};

static unsigned read_bits(struct bit_reader* reader, unsigned count)
{
    unsigned value = 0;
    unsigned i;
    for (i = 0; i < count; ++i) {
        unsigned long at = reader->position / 8;
        if (at >= reader->bytes) {
            reader->overrun = 1;
            return 0;
        }
        value |= (unsigned)((reader->data[at] >> (reader->position % 8)) & 1u) << i;
        ++reader->position;
    }
    return value;
}

static int read_signed(struct bit_reader* reader, unsigned count)
{
    if (count == 0) {
        return 0;
    }
    return (int)read_bits(reader, count) - (1 << (count - 1));
}

/* The glyph of a code up to FF, searched from the given offset after the header. */
static const unsigned char* search_one_byte(unsigned code, unsigned from)
{
    const unsigned char* glyph = FONT + HEADER_BYTES + from;
    while (glyph[1] != 0) {
        if (glyph[0] == code) {
            return glyph;
        }
        glyph += glyph[1];
    }
    return NULL;
}

static const unsigned char* search_two_bytes(unsigned code, const unsigned char* glyph)
{
    for (;;) {
        unsigned found = word_at(glyph);
        if (found == 0) {
            return NULL;
        }
        if (found == code) {
            return glyph;
        }
        glyph += glyph[2];
    }
}

static const unsigned char* two_byte_table(void)
{
    return FONT + HEADER_BYTES + word_at(FONT + 21);
}

/* Where the table says the block that may hold the code begins. */
static const unsigned char* block_for(unsigned code)
{
    const unsigned char* entry = two_byte_table();
    const unsigned char* block = entry;
    unsigned last;
    do {
        block += word_at(entry);
        last = word_at(entry + 2);
        entry += 4;
    } while (last < code);
    return block;
}

/* The glyph of the code the way the format's shortcuts find it; *corrupt when a search from
   the very start finds another. */
static const unsigned char* find_glyph(unsigned code, int* corrupt)
{
    const unsigned char* quick;
    const unsigned char* full;
    if (code <= 0xFF) {
        unsigned from = code >= 'a' ? word_at(FONT + 19) : code >= 'A' ? word_at(FONT + 17) : 0;
        quick = search_one_byte(code, from);
        full = search_one_byte(code, 0);
    } else {
        const unsigned char* table = two_byte_table();
        quick = search_two_bytes(code, block_for(code));
        full = search_two_bytes(code, table + word_at(table));
    }
    *corrupt = quick != full;
    return quick;
}

struct drawing {
    int width;
    int height;
    int left;
    int top;
    int x;
    int y;
    int outside;
    int overflow;
};

static void draw_run(struct drawing* d, unsigned length, int ink)
{
    unsigned i;
    for (i = 0; i < length; ++i) {
        if (d->y >= d->height) {
            d->overflow = 1;
            return;
        }
        if (ink) {
            int cx = d->left + d->x;
            int cy = d->top + d->y;
            if (cx < 0 || cy < 0 || cx >= cell_width || cy >= cell_height) {
                d->outside = 1;
            } else {
                cell[cy][cx] = '#';
            }
        }
        if (++d->x == d->width) {
            d->x = 0;
            ++d->y;
        }
    }
}

static void clear_cell(void)
{
    int y;
    for (y = 0; y < cell_height; ++y) {
        memset(cell[y], '.', (size_t)cell_width);
        cell[y][cell_width] = '\0';
    }
}

/* Draws the glyph's pixels; NULL when done, or why the data is not a glyph. */
static const char* draw_pixels(struct bit_reader* bits, struct drawing* d)
{
    unsigned zero_bits = FONT[2];
    unsigned one_bits = FONT[3];
    while (d->y < d->height) {
        unsigned zeros = read_bits(bits, zero_bits);
        unsigned ones = read_bits(bits, one_bits);
        do {
            draw_run(d, zeros, 0);
            draw_run(d, ones, 1);
        } while (read_bits(bits, 1) != 0 && !bits->overrun);
        if (bits->overrun) {
            return "the pixels run past the glyph's length";
        }
        if (d->overflow) {
            return "the runs run past the glyph's box";
        }
    }
    return d->x == 0 ? NULL : "the runs end inside the box's last row";
}

static void print_glyph(unsigned code, const unsigned char* glyph)
{
    unsigned prefix = code <= 0xFF ? 2 : 3;
    struct bit_reader bits;
    struct drawing d;
    int advance;
    const char* broken = NULL;
    int y;

    bits.data = glyph + prefix;
    bits.bytes = glyph[prefix - 1] > prefix ? glyph[prefix - 1] - prefix : 0;
    bits.position = 0;
    bits.overrun = 0;
    memset(&d, 0, sizeof d);
    d.width = (int)read_bits(&bits, FONT[4]);
    d.height = (int)read_bits(&bits, FONT[5]);
    d.left = read_signed(&bits, FONT[6]);
    d.top = baseline - d.height - read_signed(&bits, FONT[7]);
    advance = read_signed(&bits, FONT[8]);
    clear_cell();
    if (bits.overrun) {
        broken = "the fields run past the glyph's length";
    } else if (d.width > 0 && d.height == 0) {
        broken = "a box with width and no height, whose runs the library would draw below it";
    } else if (d.width > 0) {
        broken = draw_pixels(&bits, &d);
    }
    if (broken) {
        printf("%04X corrupt: %s\n", code, broken);
        return;
    }
    if (d.outside) {
        printf("%04X outside\n", code);
        return;
    }
    printf("%04X advance %d\n", code, advance);
    for (y = 0; y < cell_height; ++y) {
        printf("%s\n", cell[y]);
    }
}

static int header_is_sound(void)
{
    int i;
    for (i = 2; i <= 8; ++i) {
        if (FONT[i] > 8 || (i < 4 && FONT[i] == 0)) {
            return 0;
        }
    }
    return 1;
}

static int read_number(const char* text, int least, int most, int* value)
{
    char* end;
    long number = strtol(text, &end, 10);
    if (*text == '\0' || *end != '\0' || number < least || number > most) {
        return 0;
    }
    *value = (int)number;
    return 1;
}

int main(int argc, char* argv[])
{
    char line[64];
    if (argc != 4 || !read_number(argv[1], 1, MOST_SIDE, &cell_width)
        || !read_number(argv[2], 1, MOST_SIDE, &cell_height)
        || !read_number(argv[3], 0, cell_height, &baseline)) {
        fprintf(stderr, "usage: check W H BASELINE < codes\n");
        return 2;
    }
    if (!header_is_sound()) {
        fprintf(stderr, "the header's field widths are not 1 to 8 bits\n");
        return 2;
    }
    while (fgets(line, sizeof line, stdin)) {
        char* end;
        unsigned long code = strtoul(line, &end, 16);
        int corrupt = 0;
        const unsigned char* glyph;
        if (end == line || code > 0xFFFF) {
            continue;
        }
        glyph = find_glyph((unsigned)code, &corrupt);
        if (corrupt) {
            printf("%04lX corrupt: the search from the start finds another glyph\n", code);
        } else if (!glyph) {
            printf("%04lX missing\n", code);
        } else {
            print_glyph((unsigned)code, glyph);
        }
    }
    return 0;
}
