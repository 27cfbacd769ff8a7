#pragma once

#include "document/Result.h"
#include "export/TargetFont.h"

namespace tessellon {

// What the formats' fields hold; a font that passes one is refused with the limit named.

// Adafruit GFX (gfxfont.h): per glyph an 8-bit width, height and xAdvance and 8-bit signed
// offsets from the pen on the baseline; per GFXfont a 16-bit bitmapOffset (so at most
// 65,535 bytes of bitmaps) and an 8-bit yAdvance.
Status checkGfxLimits(const TargetFont& font);

// LVGL lv_font_fmt_txt: per glyph an 8-bit box, 8-bit signed offsets and a 12-bit advance in
// sixteenths of a pixel; a 20-bit bitmap_index (1 MiB of bitmaps) and 16-bit glyph ids.
Status checkLvglLimits(const TargetFont& font);

} // namespace tessellon
