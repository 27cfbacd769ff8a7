#pragma once

#include "export/ExportTarget.h"

namespace tessellon {

// The bytes each target's font takes in the program it is built into. Structs count as a
// 32-bit microcontroller lays them out (4-byte pointers), except GFX's, which count as
// Adafruit's converter counts them (7 bytes a GFXglyph, 7 a GFXfont).
ExportSize gfxSize(const TargetFont& font);
ExportSize lvglSize(const TargetFont& font);
ExportSize pagesSize(const TargetFont& font);
ExportSize rowsSize(const TargetFont& font);
ExportSize tessellonSize(const TargetFont& font);
// A whole encoded font: its bytes, of which the encoder says which are pixels.
ExportSize encodedSize(const TargetFont& font);

// The sizes the structs of the formats count for (see above).
inline constexpr int gfxGlyphBytes = 7;
inline constexpr int gfxFontBytes = 7;
inline constexpr int pointerBytes = 4;
inline constexpr int lvglGlyphBytes = 8; // lv_font_fmt_txt_glyph_dsc_t
inline constexpr int lvglCmapBytes = 20; // lv_font_fmt_txt_cmap_t
inline constexpr int lvglDscBytes = 24; // lv_font_fmt_txt_dsc_t of LVGL 8
inline constexpr int lvglFontBytes = 24; // lv_font_t of LVGL 8 without user data
inline constexpr int fixedFontBytes = 28; // pages_font and rows_font
inline constexpr int tessellonFontBytes = 24; // struct tessellon_font

} // namespace tessellon
