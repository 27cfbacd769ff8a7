#include "export/TargetLimits.h"

#include "export/ExportTarget.h"
#include "export/TargetLayouts.h"

#include <cstdio>
#include <string>

namespace tessellon {

namespace {

    std::string codeText(std::uint16_t code)
    {
        char text[8];
        std::snprintf(text, sizeof text, "0x%04X", code);
        return text;
    }

    struct Field {
        const char* name;
        int value;
        int low;
        int high;
    };

    // The first field outside its range, as "the glyph of code 0x0041 needs xOffset 130;
    // Adafruit GFX holds -128 to 127".
    Status checkFields(std::uint16_t code, std::initializer_list<Field> fields, const char* format)
    {
        for (const Field& field : fields) {
            if (field.value < field.low || field.value > field.high) {
                return failure("the glyph of code " + codeText(code) + " needs " + field.name + " "
                    + std::to_string(field.value) + "; " + format + " holds "
                    + std::to_string(field.low) + " to " + std::to_string(field.high));
            }
        }
        return {};
    }

    Status checkGfxGlyph(const TargetFont& font, std::size_t k)
    {
        const std::uint32_t glyph = font.order.glyphs[k];
        const InkBox box = font.ink(glyph);
        return checkFields(font.order.codes[k],
            { { "width", box.width, 0, 255 }, { "height", box.height, 0, 255 },
                { "xAdvance", font.advance(glyph), 0, 255 }, { "xOffset", box.x, -128, 127 },
                { "yOffset", box.y - font.baseline, -128, 127 } },
            "Adafruit GFX");
    }

    Status checkGfxRun(const TargetFont& font, std::size_t run)
    {
        std::uint64_t bitmapBytes = 0;
        for (std::uint32_t k = font.runStarts[run]; k < font.runEnd(run); ++k) {
            if (Status glyph = checkGfxGlyph(font, k); !glyph) {
                return glyph;
            }
            bitmapBytes += inkBytes(font.ink(font.order.glyphs[k]));
        }
        if (bitmapBytes > 65535) {
            return failure("the glyphs of codes " + codeText(font.order.codes[font.runStarts[run]])
                + " to " + codeText(font.order.codes[font.runEnd(run) - 1]) + " need "
                + groupedDigits(bitmapBytes)
                + " bytes of bitmaps; a GFXfont holds at most 65,535 (bitmapOffset is 16 bits)");
        }
        return {};
    }

    Status checkLvglGlyph(const TargetFont& font, std::size_t k)
    {
        const std::uint32_t glyph = font.order.glyphs[k];
        const InkBox box = font.ink(glyph);
        return checkFields(font.order.codes[k],
            { { "box_w", box.width, 0, 255 }, { "box_h", box.height, 0, 255 },
                { "advance (adv_w / 16)", font.advance(glyph), 0, 255 },
                { "ofs_x", box.x, -128, 127 },
                { "ofs_y", font.baseline - box.bottom(), -128, 127 } },
            "LVGL");
    }

} // namespace

Status checkGfxLimits(const TargetFont& font)
{
    if (font.font->info.glyphHeight > 255) {
        return failure("glyphs " + std::to_string(font.font->info.glyphHeight)
            + " rows high need a yAdvance of as many; Adafruit GFX holds 0 to 255");
    }
    if (font.spaceAdvance > 255) {
        return failure("the space's advance of " + std::to_string(font.spaceAdvance)
            + " is more than Adafruit GFX's xAdvance holds (0 to 255)");
    }
    for (std::size_t run = 0; run < font.runCount(); ++run) {
        if (Status held = checkGfxRun(font, run); !held) {
            return held;
        }
    }
    return {};
}

Status checkLvglLimits(const TargetFont& font)
{
    if (font.order.size() > 65534) {
        return failure(groupedDigits(font.order.size())
            + " glyphs are more than LVGL's 16-bit glyph ids hold (65,534 besides id 0)");
    }
    std::uint64_t bitmapBytes = 0;
    for (std::size_t k = 0; k < font.order.size(); ++k) {
        if (Status held = checkLvglGlyph(font, k); !held) {
            return held;
        }
        bitmapBytes += inkBytes(font.ink(font.order.glyphs[k]));
    }
    if (bitmapBytes > 0xFFFFF) {
        return failure("the glyphs need " + groupedDigits(bitmapBytes)
            + " bytes of bitmaps; LVGL holds at most 1,048,575 (bitmap_index is 20 bits)");
    }
    return {};
}

} // namespace tessellon
