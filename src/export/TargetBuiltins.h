#pragma once

#include "export/TargetFont.h"
#include "script/ScriptBuiltins.h"

#include <string>
#include <vector>

namespace tessellon {

// The export targets' built-ins over a font made ready for a target:
//   constants  FONT_WIDTH, FONT_HEIGHT, FONT_BASELINE, CODE_COUNT, RUN_COUNT,
//              SPACE_ADVANCE, PROPORTIONAL, LAYOUT, ENCODED_BYTES;
//   values     GLYPH_AT(k) (FONT_NUMBER past the last), RUN_START(r) (CODE_COUNT past
//              the last run), INK_X/INK_Y/INK_W/INK_H(i), ADVANCE(i) (SPACE_ADVANCE for an
//              index outside the font);
//   items      PUTINK(i), PUTPAGES(i), PUTROWS(i) as C hex text like PUTITEM's (nothing
//              for an index outside the font), PUTENCODED(), PUTNAME(), PUTCMAPS().
// Line ends in items are CR LF, as \n in the script's strings. The font must outlive them.
class TargetBuiltins final : public ScriptBuiltins {
public:
    explicit TargetBuiltins(const TargetFont& font);

    std::int32_t constant(Service service) const override;
    std::uint32_t value(Service service, std::uint32_t argument) const override;
    void item(Service service, std::uint32_t argument, const ItemWriter& write) const override;

    static constexpr std::size_t encodedBytesPerLine = 16;

private:
    void glyphItem(Service service, std::uint32_t glyph, const ItemWriter& write) const;
    std::size_t layOut(Service service, std::uint32_t glyph) const;

    const TargetFont* m_font;
    mutable std::vector<std::uint8_t> m_bytes;
    mutable std::vector<std::uint8_t> m_scratch;
};

// The C text of PUTENCODED and PUTCMAPS.
std::string encodedFontText(const std::vector<std::uint8_t>& bytes);
std::string lvglCmapsText(const TargetFont& font);

} // namespace tessellon
