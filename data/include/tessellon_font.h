/* tessellon_font.h: draws the fonts that Tessellon's "tessellon" export target writes.

   A font (struct tessellon_font) is a set of fixed-size cells. Glyph k has the character
   code codes[k] (ascending, so a glyph is found by binary search) and its pixels in
   glyphs[k]: the cell's rows from the top, (width + 7) / 8 bytes a row, the leftmost
   pixel in the most significant bit, a set bit ink. baseline is the number of the cell's
   rows above the baseline. advances, when not NULL, says how far the pen moves after
   each glyph; otherwise every glyph moves it by width.

   tessellon_draw_text draws UTF-8 text into a 1-bit framebuffer (struct
   tessellon_framebuffer) laid out in rows (the leftmost pixel of a byte in its most
   significant bit) or in pages (eight rows a byte, bit 0 the top row, as SSD1306,
   SH1106 and ST7565 controllers keep them).

   The header can also be the "fontlib.h" that the default export script includes: the
   arrays that script writes need nothing from it, and nothing here clashes with them.
   Everything is static inline, for C99 and C++. */
#ifndef TESSELLON_FONT_H
#define TESSELLON_FONT_H

#include <stddef.h>
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

struct tessellon_font {
    uint16_t width; /* of a cell, in pixels */
    uint16_t height;
    uint16_t baseline; /* rows of the cell above the baseline */
    uint32_t count; /* glyphs */
    const uint16_t *codes; /* ascending */
    const unsigned char *const *glyphs;
    const uint16_t *advances; /* or NULL */
};

enum tessellon_layout {
    TESSELLON_ROWS, /* row after row, stride bytes a row, the leftmost pixel in bit 7 */
    TESSELLON_PAGES /* page after page, stride bytes a page, bit 0 the page's top row */
};

struct tessellon_framebuffer {
    uint8_t *pixels;
    int width;
    int height;
    int stride; /* bytes from one row (or page) to the next */
    enum tessellon_layout layout;
};

/* The place of code's glyph in the font, or -1 when the font has none. */
static inline long tessellon_glyph_index(const struct tessellon_font *font, uint32_t code)
{
    uint32_t low = 0;
    uint32_t high = font->count;
    while (low < high) {
        uint32_t middle = low + (high - low) / 2;
        if (font->codes[middle] < code) {
            low = middle + 1;
        } else {
            high = middle;
        }
    }
    return (low < font->count && font->codes[low] == code) ? (long)low : -1;
}

/* 1 when pixel (x, y) of the glyph at index is ink, else 0. */
static inline int tessellon_glyph_pixel(const struct tessellon_font *font, long index, int x, int y)
{
    const unsigned char *row = font->glyphs[index] + (size_t)y * (size_t)((font->width + 7) / 8);
    return (row[x / 8] >> (7 - x % 8)) & 1;
}

/* Sets pixel (x, y) of the framebuffer; pixels outside it are left alone. */
static inline void tessellon_set_pixel(struct tessellon_framebuffer *fb, int x, int y)
{
    if (x < 0 || y < 0 || x >= fb->width || y >= fb->height) {
        return;
    }
    if (fb->layout == TESSELLON_PAGES) {
        fb->pixels[(size_t)(y / 8) * (size_t)fb->stride + (size_t)x] |= (uint8_t)(1u << (y % 8));
    } else {
        fb->pixels[(size_t)y * (size_t)fb->stride + (size_t)(x / 8)] |= (uint8_t)(0x80u >> (x % 8));
    }
}

/* Draws the ink of code's glyph with the pen at x on the baseline y and gives how far the
   pen moves. A code the font does not have draws nothing and moves the pen by width. */
static inline int tessellon_draw_glyph(struct tessellon_framebuffer *fb,
    const struct tessellon_font *font, int x, int y, uint32_t code)
{
    long index = tessellon_glyph_index(font, code);
    int top = y - font->baseline;
    int gx, gy;
    if (index < 0) {
        return font->width;
    }
    for (gy = 0; gy < font->height; ++gy) {
        for (gx = 0; gx < font->width; ++gx) {
            if (tessellon_glyph_pixel(font, index, gx, gy)) {
                tessellon_set_pixel(fb, x + gx, top + gy);
            }
        }
    }
    return font->advances ? font->advances[index] : font->width;
}

/* Reads one code of UTF-8 text into *code and gives where the next one starts. A byte
   that starts no code, or a sequence cut short, gives U+FFFD and moves one byte on. */
static inline const char *tessellon_next_code(const char *text, uint32_t *code)
{
    const unsigned char *bytes = (const unsigned char *)text;
    uint32_t value = bytes[0];
    int extra = 0;
    int k;
    if (value >= 0xC2 && value <= 0xDF) {
        extra = 1;
        value &= 0x1F;
    } else if (value >= 0xE0 && value <= 0xEF) {
        extra = 2;
        value &= 0x0F;
    } else if (value >= 0xF0 && value <= 0xF4) {
        extra = 3;
        value &= 0x07;
    } else if (value >= 0x80) {
        *code = 0xFFFD;
        return text + 1;
    }
    for (k = 1; k <= extra; ++k) {
        if ((bytes[k] & 0xC0) != 0x80) {
            *code = 0xFFFD;
            return text + 1;
        }
        value = (value << 6) | (bytes[k] & 0x3F);
    }
    if ((extra == 2 && value < 0x800) || (extra == 3 && (value < 0x10000 || value > 0x10FFFF))) {
        value = 0xFFFD;
    }
    *code = value;
    return text + 1 + extra;
}

/* Draws UTF-8 text (ended by a 0 byte) with the pen starting at x on the baseline y and
   gives the pen's x after the text. */
static inline int tessellon_draw_text(struct tessellon_framebuffer *fb,
    const struct tessellon_font *font, int x, int y, const char *text)
{
    uint32_t code;
    while (*text) {
        text = tessellon_next_code(text, &code);
        x += tessellon_draw_glyph(fb, font, x, y, code);
    }
    return x;
}

#ifdef __cplusplus
}
#endif

#endif /* TESSELLON_FONT_H */
