#pragma once

#include "document/FontLib.h"
#include "document/Result.h"
#include "export/CodeOrder.h"
#include "export/EncodedFont.h"
#include "export/ExportChoices.h"
#include "export/GlyphMetrics.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace tessellon {

struct ExportTarget;

// A font made ready for one export target: the choices settled (name and baseline), the
// ink and advance of every glyph, the glyphs the target keeps in code order and their runs,
// and the encoded font when the target has an encoder. What the target's built-ins serve
// and its limits are checked against. It refers to the font, which must outlive it.
struct TargetFont {
    const FontLib* font = nullptr;
    const ExportTarget* target = nullptr;
    ExportChoices choices;
    int baseline = 0;
    int layout = 0; // the LAYOUT constant
    int spaceAdvance = 0;
    std::vector<GlyphMetric> metrics; // of every glyph of the font
    CodeOrder order;
    std::vector<std::uint32_t> runStarts;
    EncodedFont encoded;

    std::size_t runCount() const { return runStarts.size(); }
    // The place in code order after run r (the code count for the last one).
    std::uint32_t runEnd(std::size_t run) const;
    // The ink box of a glyph; a glyph without ink (or outside the font) has a box of no size
    // at the pen's place on the baseline.
    InkBox ink(std::uint32_t glyph) const;
    int advance(std::uint32_t glyph) const;
};

// The font made ready for target with choices: the name taken from outputPath when none
// is chosen, then the name, the baseline, the glyphs and the target's own limits checked.
// Refused, saying which limit the font passes, before anything is written.
Result<TargetFont> prepareTargetFont(const FontLib& font, const ExportTarget& target,
    ExportChoices choices, const std::string& outputPath);

} // namespace tessellon
