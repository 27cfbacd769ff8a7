/* Draws the glyphs of an LVGL font (lv_font_fmt_txt, 1 bit per pixel, not compressed)
   back as the library draws them, from the format lv_font_fmt_txt.h describes. A letter's
   glyph id comes from the first character map whose range holds it (code - range_start
   below range_length; LVGL 8 also takes range_start + range_length): a FORMAT0_TINY map
   gives glyph_id_start + that difference, a SPARSE_TINY map glyph_id_start + the place of
   the difference in its sorted unicode_list; id 0 and the letter 0 are no glyph. The
   glyph's box_w x box_h pixels start at glyph_bitmap[bitmap_index], row after row, the
   first in the most significant bit, without padding between rows. A line's top lies
   line_height - base_line rows above the baseline; the box's top lies box_h + ofs_y rows
   above it and its left ofs_x right of the pen, which then moves (adv_w + 8) / 16.
   Compiled with the stand-in lvgl.h of LVGL 8 or 9. */
#include "lvgl.h"

#include "check_canvas.h"

extern const lv_font_t FONT;

static int compare_codes(const void *key, const void *entry)
{
    return (int)*(const uint16_t *)key - (int)*(const uint16_t *)entry;
}

static uint32_t glyph_id(const lv_font_fmt_txt_dsc_t *dsc, uint32_t letter)
{
    uint16_t i;
    if (letter == 0) {
        return 0;
    }
    for (i = 0; i < dsc->cmap_num; ++i) {
        const lv_font_fmt_txt_cmap_t *cmap = &dsc->cmaps[i];
        const uint32_t rcp = letter - cmap->range_start;
        uint16_t key = (uint16_t)rcp;
        const uint16_t *found;
#if LVGL_VERSION_MAJOR == 8
        if (rcp > cmap->range_length) {
            continue;
        }
#else
        if (rcp >= cmap->range_length) {
            continue;
        }
#endif
        if (cmap->type == LV_FONT_FMT_TXT_CMAP_FORMAT0_TINY) {
            return cmap->glyph_id_start + rcp;
        }
        if (cmap->type != LV_FONT_FMT_TXT_CMAP_SPARSE_TINY) {
            printf("map %u is of a form this export does not write\n", i);
            exit(1);
        }
        found = (const uint16_t *)bsearch(&key, cmap->unicode_list, cmap->list_length,
            sizeof key, compare_codes);
        return found ? cmap->glyph_id_start + (uint32_t)(found - cmap->unicode_list) : 0;
    }
    return 0;
}

bool lv_font_get_glyph_dsc_fmt_txt(const lv_font_t *font, lv_font_glyph_dsc_t *dsc_out,
    uint32_t unicode_letter, uint32_t unicode_letter_next)
{
    const lv_font_fmt_txt_dsc_t *dsc = (const lv_font_fmt_txt_dsc_t *)font->dsc;
    const uint32_t id = glyph_id(dsc, unicode_letter);
    const lv_font_fmt_txt_glyph_dsc_t *glyph = &dsc->glyph_dsc[id];
    (void)unicode_letter_next;
    if (id == 0) {
        return false;
    }
    memset(dsc_out, 0, sizeof *dsc_out);
    dsc_out->resolved_font = font;
    dsc_out->adv_w = (uint16_t)((glyph->adv_w + 8) >> 4);
    dsc_out->box_w = glyph->box_w;
    dsc_out->box_h = glyph->box_h;
    dsc_out->ofs_x = glyph->ofs_x;
    dsc_out->ofs_y = glyph->ofs_y;
#if LVGL_VERSION_MAJOR == 8
    dsc_out->bpp = 1;
#else
    dsc_out->format = LV_FONT_GLYPH_FORMAT_A1;
    dsc_out->gid.index = id;
#endif
    return true;
}

/* The glyph's packed bits, as the font keeps them (LVGL itself may unpack them). */
#if LVGL_VERSION_MAJOR == 8
const uint8_t *lv_font_get_bitmap_fmt_txt(const lv_font_t *font, uint32_t letter)
{
    const lv_font_fmt_txt_dsc_t *dsc = (const lv_font_fmt_txt_dsc_t *)font->dsc;
    const uint32_t id = glyph_id(dsc, letter);
    return id ? &dsc->glyph_bitmap[dsc->glyph_dsc[id].bitmap_index] : NULL;
}
#else
const void *lv_font_get_bitmap_fmt_txt(lv_font_glyph_dsc_t *g_dsc, lv_draw_buf_t *draw_buf)
{
    const lv_font_fmt_txt_dsc_t *dsc = (const lv_font_fmt_txt_dsc_t *)g_dsc->resolved_font->dsc;
    (void)draw_buf;
    return &dsc->glyph_bitmap[dsc->glyph_dsc[g_dsc->gid.index].bitmap_index];
}
#endif

static int font_is_plain(const lv_font_fmt_txt_dsc_t *dsc)
{
    if (FONT.get_glyph_dsc != lv_font_get_glyph_dsc_fmt_txt
        || FONT.get_glyph_bitmap != lv_font_get_bitmap_fmt_txt) {
        printf("the font does not use the lv_font_fmt_txt functions\n");
        return 0;
    }
    if (dsc->bpp != 1 || dsc->bitmap_format != 0 || dsc->kern_dsc) {
        printf("bpp %u, bitmap_format %u: not 1 bit per pixel, plain\n", dsc->bpp,
            dsc->bitmap_format);
        return 0;
    }
#if LVGL_VERSION_MAJOR == 8
    if (!dsc->cache) {
        printf("LVGL 8 needs the glyph cache\n");
        return 0;
    }
#endif
    if (FONT.line_height != canvas_height) {
        printf("line_height %d is not the cell height %d\n", (int)FONT.line_height, canvas_height);
        return 0;
    }
    return 1;
}

static void draw(const lv_font_fmt_txt_dsc_t *dsc, const lv_font_glyph_dsc_t *glyph, uint32_t letter)
{
    const uint32_t id = glyph_id(dsc, letter);
    const uint8_t *bits = &dsc->glyph_bitmap[dsc->glyph_dsc[id].bitmap_index];
    const long top = (long)(FONT.line_height - FONT.base_line) - glyph->box_h - glyph->ofs_y;
    unsigned long bit = 0;
    int x, y;
    for (y = 0; y < glyph->box_h; ++y) {
        for (x = 0; x < glyph->box_w; ++x, ++bit) {
            if (bits[bit / 8] & (0x80 >> (bit % 8))) {
                canvas_ink(glyph->ofs_x + x, top + y);
            }
        }
    }
}

int main(int argc, char **argv)
{
    const lv_font_fmt_txt_dsc_t *dsc = (const lv_font_fmt_txt_dsc_t *)FONT.dsc;
    unsigned long code;
    if (!canvas_begin(argc, argv)) {
        return 2;
    }
    if (!font_is_plain(dsc)) {
        return 1;
    }
    while (canvas_next_code(&code)) {
        lv_font_glyph_dsc_t glyph;
        if (!FONT.get_glyph_dsc(&FONT, &glyph, (uint32_t)code, 0)) {
            canvas_missing(code);
            continue;
        }
        canvas_clear();
        draw(dsc, &glyph, (uint32_t)code);
        canvas_print(code, glyph.adv_w);
    }
    return 0;
}
