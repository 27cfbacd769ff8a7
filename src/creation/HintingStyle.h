#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace tessellon {

// How outlines are fitted to the pixel grid before a glyph is drawn, bilevel, in a new
// font.
enum class HintingStyle {
    System, // the desktop's own bilevel text drawing, with the font's hints
    AutoHinter, // FreeType's auto-hinter, fitted across and down
    Light, // the auto-hinter fitting heights only; widths and stems as designed
    None, // the outline as designed, unhinted
};

struct HintingStyleInfo {
    HintingStyle style;
    const char* name; // as the program shows it
    const char* option; // as the command line takes it
};

// Every style, in the order the program offers them; the first is the default.
inline constexpr std::array<HintingStyleInfo, 4> hintingStyles { {
    { HintingStyle::System, "System (bilevel hinting)", "system" },
    { HintingStyle::AutoHinter, "Auto-hinter", "auto" },
    { HintingStyle::Light, "Light (vertical only)", "light" },
    { HintingStyle::None, "None", "none" },
} };

const HintingStyleInfo& hintingStyleInfo(HintingStyle style);
std::optional<HintingStyle> hintingStyleForOption(std::string_view option);
// The options of every style, as a message lists them: "system, auto, light, none".
std::string hintingStyleOptions();

} // namespace tessellon
