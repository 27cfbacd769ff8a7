// Compiles and runs arbitrary script text. The run is stopped after a bounded number of
// instructions, its bytes are counted and dropped, and the callbacks return counts and
// codes taken from the index, out-of-range counts included. The export targets' built-ins
// serve a small font made ready for a target chosen by the input's length.

#include "export/ExportTarget.h"
#include "export/TargetBuiltins.h"
#include "script/Csub.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace {

class CountingOutput final : public tessellon::ScriptOutput {
public:
    bool write(std::span<const std::uint8_t> bytes) override
    {
        m_count += bytes.size();
        return m_count < 64 * 1024 * 1024;
    }

private:
    std::size_t m_count = 0;
};

std::int32_t putItem(std::span<std::uint8_t> buffer, std::uint32_t index, std::int32_t zip,
    std::int32_t bin, std::int32_t col)
{
    const std::size_t fill = std::min<std::size_t>(index % 64, buffer.size());
    for (std::size_t i = 0; i < fill; ++i) {
        buffer[i] = static_cast<std::uint8_t>(index + i + zip + bin + col);
    }
    switch (index % 7) {
    case 0:
        return -static_cast<std::int32_t>(index % 1000) - 1;
    case 1:
        return static_cast<std::int32_t>(tessellon::itemBufferSize + index % 1000);
    default:
        return static_cast<std::int32_t>(fill);
    }
}

// 40 glyphs of 13 x 17 with codes below and above 0x100, one held twice, and code 0.
const tessellon::FontLib& targetFontSource()
{
    static const tessellon::FontLib font = [] {
        tessellon::FontLib made = tessellon::FontLib::blank(13, 17, 40, true);
        for (std::uint32_t g = 0; g < 40; ++g) {
            (*made.codeTable)[g] = static_cast<std::uint16_t>(g < 20 ? g * 3 : 0x4E00 + g);
            for (int k = 0; k < static_cast<int>(g % 7); ++k) {
                made.setPixel(
                    g, static_cast<int>((g + 3 * k) % 13), static_cast<int>((g * k) % 17));
            }
        }
        (*made.codeTable)[7] = 6;
        made.baseline = 13;
        return made;
    }();
    return font;
}

// The font made ready for each target that takes it, made once.
const tessellon::TargetFont* targetFontFor(std::size_t choice)
{
    static const std::vector<tessellon::Result<tessellon::TargetFont>> fonts = [] {
        std::vector<tessellon::Result<tessellon::TargetFont>> made;
        tessellon::ExportChoices choices;
        choices.advance.proportional = true;
        choices.pages = { true, true };
        choices.rows = { true, true };
        for (const tessellon::ExportTarget& target : tessellon::exportTargets()) {
            made.push_back(
                tessellon::prepareTargetFont(targetFontSource(), target, choices, "f.c"));
        }
        return made;
    }();
    const auto& font = fonts[choice % fonts.size()];
    return font ? &*font : nullptr;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::size_t lines = 0;
    tessellon::Csub csub([&lines](const std::string& line) { lines += line.size(); });
    int polls = 0;
    csub.setStopCheck([&polls] { return ++polls > 16; });
    CountingOutput output;
    const std::string text(reinterpret_cast<const char*>(data), size);
    const tessellon::TargetFont* targetFont = targetFontFor(size);
    std::optional<tessellon::TargetBuiltins> builtins;
    if (targetFont) {
        builtins.emplace(*targetFont);
        csub.setBuiltins(&*builtins);
    }
    csub.CsubExecute(
        output, text, putItem,
        [](std::uint32_t index) { return static_cast<std::uint16_t>(index * 2654435761u); },
        static_cast<std::int32_t>(size));
    // A second run over the same unit exercises what the first left in the tables.
    csub.CsubExecute(output, text, putItem, {}, -1);
    return 0;
}
