#include "export/CodeOrder.h"

namespace tessellon {

namespace {

    std::vector<std::uint32_t> gfxRuns(const std::vector<std::uint16_t>& codes)
    {
        std::vector<std::uint32_t> starts { 0 };
        for (std::size_t k = 1; k < codes.size(); ++k) {
            const int previous = codes[k - 1];
            const int code = codes[k];
            const bool leavesTheFirstPage = previous < 0x100 && code >= 0x100;
            const bool longGap = code >= 0x100 && code - previous - 1 > gfxLongestGap;
            if (leavesTheFirstPage || longGap) {
                starts.push_back(static_cast<std::uint32_t>(k));
            }
        }
        return starts;
    }

    // The place in code order after the run of consecutive codes that starts at k.
    std::size_t stretchEnd(const std::vector<std::uint16_t>& codes, std::size_t k)
    {
        std::size_t end = k + 1;
        while (end < codes.size() && codes[end] == codes[end - 1] + 1) {
            ++end;
        }
        return end;
    }

    std::vector<std::uint32_t> lvglRuns(const std::vector<std::uint16_t>& codes)
    {
        std::vector<std::uint32_t> starts;
        bool sparseOpen = false;
        for (std::size_t k = 0; k < codes.size();) {
            const std::size_t end = stretchEnd(codes, k);
            const bool range = end - k >= static_cast<std::size_t>(lvglShortestRange);
            const bool joins = sparseOpen && !range
                && codes[end - 1] - codes[starts.back()] + 1 <= lvglLongestSpan;
            if (!joins) {
                starts.push_back(static_cast<std::uint32_t>(k));
            }
            sparseOpen = !range;
            k = end;
        }
        return starts;
    }

} // namespace

std::uint16_t glyphCode(const FontLib& font, std::uint32_t index)
{
    return font.codeTable ? (*font.codeTable)[index] : static_cast<std::uint16_t>(index);
}

CodeOrder codeOrder(const FontLib& font, bool keepCodeZero)
{
    constexpr std::uint32_t none = 0xFFFFFFFF;
    std::vector<std::uint32_t> firstWithCode(0x10000, none);
    CodeOrder order;
    for (std::uint32_t index = 0; index < font.info.glyphCount; ++index) {
        std::uint32_t& first = firstWithCode[glyphCode(font, index)];
        if (first == none) {
            first = index;
        } else {
            ++order.dropped;
        }
    }
    if (!keepCodeZero && firstWithCode[0] != none) {
        firstWithCode[0] = none;
        ++order.dropped;
    }
    for (std::uint32_t code = 0; code < firstWithCode.size(); ++code) {
        if (firstWithCode[code] != none) {
            order.glyphs.push_back(firstWithCode[code]);
            order.codes.push_back(static_cast<std::uint16_t>(code));
        }
    }
    return order;
}

std::vector<std::uint32_t> codeRuns(const std::vector<std::uint16_t>& codes, RunRule rule)
{
    if (codes.empty()) {
        return {};
    }
    switch (rule) {
    case RunRule::Gfx:
        return gfxRuns(codes);
    case RunRule::Lvgl:
        return lvglRuns(codes);
    case RunRule::Whole:
        break;
    }
    return { 0 };
}

} // namespace tessellon
