#include "export/ExportTarget.h"

#include "export/CompactFont.h"
#include "export/TargetLimits.h"
#include "export/TargetSizes.h"
#include "export/U8g2Font.h"

#include <array>

namespace tessellon {

namespace {

    int pagesLayout(const ExportChoices& choices) { return layoutFlags(choices.pages); }
    int rowsLayout(const ExportChoices& choices) { return layoutFlags(choices.rows); }

    constexpr std::array<std::string_view, 2> compactDecoder { "tessellon_compact.c",
        "tessellon_compact.h" };

    const std::array<ExportTarget, 7> targets { {
        { .name = "gfx",
            .title = "Adafruit GFX (GFXfont)",
            .scriptFile = "gfx_font.spt",
            .runs = RunRule::Gfx,
            .check = checkGfxLimits,
            .size = gfxSize },
        { .name = "u8g2",
            .title = "u8g2",
            .scriptFile = "u8g2_font.spt",
            .encoder =
                [](const TargetFont& font) {
                    return encodeU8g2Font(*font.font, font.choices.advance, font.baseline);
                },
            .size = encodedSize },
        { .name = "lvgl",
            .title = "LVGL 8 and 9 (lv_font_fmt_txt)",
            .scriptFile = "lvgl_font.spt",
            .runs = RunRule::Lvgl,
            .keepsCodeZero = false,
            .check = checkLvglLimits,
            .size = lvglSize },
        { .name = "pages",
            .title = "page-addressed displays (SSD1306, SH1106, ST7565)",
            .scriptFile = "pages_font.spt",
            .layout = pagesLayout,
            .size = pagesSize },
        { .name = "rows",
            .title = "plain rows",
            .scriptFile = "rows_font.spt",
            .layout = rowsLayout,
            .size = rowsSize },
        { .name = "tessellon",
            .title = "tessellon_font.h",
            .scriptFile = "tessellon_font.spt",
            .headerFile = "tessellon_font.h",
            .size = tessellonSize },
        { .name = "compact",
            .title = "the compact format (tessellon_compact.c)",
            .scriptFile = "compact_font.spt",
            .decoderFiles = compactDecoder,
            .encoder =
                [](const TargetFont& font) {
                    return encodeCompactFont(*font.font, font.choices.advance, font.baseline);
                },
            .size = encodedSize },
    } };

} // namespace

int layoutFlags(const PageLayout& layout)
{
    return (layout.bit0Bottom ? layoutBit0Bottom : 0) | (layout.byColumns ? layoutByColumns : 0);
}

int layoutFlags(const RowLayout& layout)
{
    return (layout.lsbFirst ? layoutLsbFirst : 0) | (layout.inverted ? layoutInverted : 0);
}

std::string groupedDigits(std::uint64_t number)
{
    const std::string digits = std::to_string(number);
    std::string grouped;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) {
            grouped += ',';
        }
        grouped += digits[i];
    }
    return grouped;
}

std::string sizeReportText(const ExportSize& size)
{
    return std::to_string(size.glyphs) + (size.glyphs == 1 ? " glyph: " : " glyphs: ")
        + groupedDigits(size.total()) + " bytes (pixels " + groupedDigits(size.pixelBytes)
        + ", metrics and tables " + groupedDigits(size.tableBytes) + ")";
}

std::span<const ExportTarget> exportTargets() { return targets; }

const ExportTarget* exportTargetNamed(std::string_view name)
{
    for (const ExportTarget& target : targets) {
        if (target.name == name) {
            return &target;
        }
    }
    return nullptr;
}

std::string exportTargetNames()
{
    std::string names;
    for (std::size_t i = 0; i < targets.size(); ++i) {
        names += (i == 0 ? "" : i + 1 == targets.size() ? " or " : ", ");
        names += targets[i].name;
    }
    return names;
}

ExportSize exportSize(const TargetFont& font)
{
    return font.target && font.target->size ? font.target->size(font) : ExportSize {};
}

} // namespace tessellon
