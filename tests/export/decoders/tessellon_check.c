/* Draws the glyphs of a font of the tessellon target with the functions of the header it
   ships, tessellon_font.h: each code into a framebuffer in rows and into one in pages, three
   cells wide and high with the cell in the middle, the pen at the cell's left edge on its
   baseline; ink outside the middle cell is ink outside. Codes that UTF-8 can carry are
   drawn once more through tessellon_draw_text, which must give the same. */
#include "tessellon_font.h"

#include "check_canvas.h"

extern const struct tessellon_font FONT;

#define FRAME_MAX (3 * CANVAS_MAX_SIDE)

static uint8_t rows_pixels[FRAME_MAX * FRAME_MAX / 8];
static uint8_t pages_pixels[FRAME_MAX * FRAME_MAX / 8];
static uint8_t text_pixels[FRAME_MAX * FRAME_MAX / 8];

static struct tessellon_framebuffer frame(uint8_t *pixels, enum tessellon_layout layout)
{
    struct tessellon_framebuffer fb;
    fb.pixels = pixels;
    fb.width = 3 * canvas_width;
    fb.height = 3 * canvas_height;
    fb.stride = layout == TESSELLON_PAGES ? fb.width : (fb.width + 7) / 8;
    fb.layout = layout;
    memset(pixels, 0, FRAME_MAX * FRAME_MAX / 8);
    return fb;
}

static int ink_at(const struct tessellon_framebuffer *fb, int x, int y)
{
    if (fb->layout == TESSELLON_PAGES) {
        return (fb->pixels[(y / 8) * fb->stride + x] >> (y % 8)) & 1;
    }
    return (fb->pixels[y * fb->stride + x / 8] >> (7 - x % 8)) & 1;
}

/* The UTF-8 of code, or 0 when it has none (0 itself and the surrogates). */
static int utf8_of(unsigned long code, char *text)
{
    if (code == 0 || (code >= 0xD800 && code <= 0xDFFF)) {
        return 0;
    }
    if (code < 0x80) {
        text[0] = (char)code;
        text[1] = 0;
    } else if (code < 0x800) {
        text[0] = (char)(0xC0 | code >> 6);
        text[1] = (char)(0x80 | (code & 0x3F));
        text[2] = 0;
    } else {
        text[0] = (char)(0xE0 | code >> 12);
        text[1] = (char)(0x80 | ((code >> 6) & 0x3F));
        text[2] = (char)(0x80 | (code & 0x3F));
        text[3] = 0;
    }
    return 1;
}

/* 0 when the framebuffers differ anywhere. */
static int same(const struct tessellon_framebuffer *a, const struct tessellon_framebuffer *b)
{
    int x, y;
    for (y = 0; y < a->height; ++y) {
        for (x = 0; x < a->width; ++x) {
            if (ink_at(a, x, y) != ink_at(b, x, y)) {
                return 0;
            }
        }
    }
    return 1;
}

static void check(unsigned long code)
{
    struct tessellon_framebuffer rows = frame(rows_pixels, TESSELLON_ROWS);
    struct tessellon_framebuffer pages = frame(pages_pixels, TESSELLON_PAGES);
    struct tessellon_framebuffer text = frame(text_pixels, TESSELLON_ROWS);
    const int baseline = canvas_height + canvas_baseline;
    const int advance = tessellon_draw_glyph(&rows, &FONT, canvas_width, baseline, (uint32_t)code);
    char utf8[4];
    int x, y;
    tessellon_draw_glyph(&pages, &FONT, canvas_width, baseline, (uint32_t)code);
    if (utf8_of(code, utf8)
        && tessellon_draw_text(&text, &FONT, canvas_width, baseline, utf8)
            != canvas_width + advance) {
        printf("%04lX text advance differs\n", code);
        return;
    }
    if (!same(&rows, &pages) || (utf8_of(code, utf8) && !same(&rows, &text))) {
        printf("%04lX drawings differ\n", code);
        return;
    }
    canvas_clear();
    for (y = 0; y < rows.height; ++y) {
        for (x = 0; x < rows.width; ++x) {
            if (ink_at(&rows, x, y)) {
                canvas_ink(x - canvas_width, y - canvas_height);
            }
        }
    }
    canvas_print(code, advance);
}

int main(int argc, char **argv)
{
    unsigned long code;
    if (!canvas_begin(argc, argv)) {
        return 2;
    }
    if (FONT.width != canvas_width || FONT.height != canvas_height) {
        printf("the font's sizes do not match the cell\n");
        return 1;
    }
    while (canvas_next_code(&code)) {
        if (tessellon_glyph_index(&FONT, (uint32_t)code) < 0) {
            canvas_missing(code);
        } else {
            check(code);
        }
    }
    return 0;
}
