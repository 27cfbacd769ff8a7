/* Prints a message drawn with the font made from fonts/hello.tfont: one line of text per
 * row of pixels, '#' for ink. The font holds the characters of this file's strings. */
#include "fontlib.h"

#include <stdio.h>

static const char message[] = "Hello, Tessellon!";

static const unsigned char* glyph_of(unsigned code)
{
    int i;
    for (i = 0; i < zk_count; i++) {
        if (zk_codes[i] == code) {
            return zk_table[i];
        }
    }
    return NULL;
}

int main(void)
{
    int row;
    for (row = 0; row < FONT_HEIGHT; row++) {
        const char* p;
        for (p = message; *p != '\0'; p++) {
            const unsigned char* glyph = glyph_of((unsigned char)*p);
            int x;
            for (x = 0; x < FONT_WIDTH; x++) {
                const unsigned char bits = glyph ? glyph[row * FONT_ROW_BYTES + x / 8] : 0;
                putchar(bits & (0x80 >> (x % 8)) ? '#' : ' ');
            }
        }
        putchar('\n');
    }
    return 0;
}
