/* What the font's generated files hold: one array of glyph bytes per character (rows from
 * the top, each row one byte per 8 pixels, the leftmost pixel in the high bit), a table of
 * them in the font's order, and the character code of each. */
#ifndef FONTLIB_H
#define FONTLIB_H

#define FONT_WIDTH 8
#define FONT_HEIGHT 14
#define FONT_ROW_BYTES ((FONT_WIDTH + 7) / 8)

extern const unsigned char* zk_table[];
extern const unsigned short zk_codes[];
extern const int zk_count;

#endif
