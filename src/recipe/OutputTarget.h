#pragma once

#include <cstdint>
#include <string_view>

namespace tessellon {

// The options an output of a recipe may give besides its file and target; each target takes
// the ones its row names.
enum class OutputOption : std::uint32_t {
    Script = 1u << 0, // script = default | FILE.spt
    Proportional = 1u << 1, // proportional = no | yes | GAP
    Name = 1u << 2, // name = C_IDENTIFIER
    Baseline = 1u << 3, // baseline = ROWS
    Decoder = 1u << 4, // decoder = no | yes
};

// What an output is made as, by name: the output of a script, or the font exported to one
// of the command line's export targets (export --target), each with the options it takes.
struct OutputTargetInfo {
    const char* name;
    std::uint32_t options; // OutputOption bits
};

inline constexpr std::uint32_t exportTargetOptions
    = static_cast<std::uint32_t>(OutputOption::Script)
    | static_cast<std::uint32_t>(OutputOption::Proportional)
    | static_cast<std::uint32_t>(OutputOption::Name)
    | static_cast<std::uint32_t>(OutputOption::Baseline);

inline constexpr OutputTargetInfo outputTargets[] = {
    { "script", static_cast<std::uint32_t>(OutputOption::Script) },
    { "gfx", exportTargetOptions },
    { "u8g2", exportTargetOptions },
    { "lvgl", exportTargetOptions },
    { "pages", exportTargetOptions },
    { "rows", exportTargetOptions },
    { "tessellon", exportTargetOptions },
    { "compact", exportTargetOptions | static_cast<std::uint32_t>(OutputOption::Decoder) },
};

inline constexpr const char* defaultOutputTargetName = "script";

const OutputTargetInfo* outputTargetNamed(std::string_view name);

inline bool takesOption(const OutputTargetInfo& target, OutputOption option)
{
    return (target.options & static_cast<std::uint32_t>(option)) != 0;
}

} // namespace tessellon
