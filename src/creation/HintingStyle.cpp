#include "creation/HintingStyle.h"

#include <algorithm>

namespace tessellon {

const HintingStyleInfo& hintingStyleInfo(HintingStyle style)
{
    const auto found = std::find_if(hintingStyles.begin(), hintingStyles.end(),
        [style](const HintingStyleInfo& info) { return info.style == style; });
    return found != hintingStyles.end() ? *found : hintingStyles.front();
}

std::optional<HintingStyle> hintingStyleForOption(std::string_view option)
{
    for (const HintingStyleInfo& info : hintingStyles) {
        if (option == info.option) {
            return info.style;
        }
    }
    return std::nullopt;
}

std::string hintingStyleOptions()
{
    std::string options;
    for (const HintingStyleInfo& info : hintingStyles) {
        options += (options.empty() ? "" : ", ") + std::string(info.option);
    }
    return options;
}

} // namespace tessellon
