#pragma once

#include "creation/FreeTypeGlyphDrawer.h"
#include "creation/GlyphDrawing.h"
#include "creation/MissingCharacters.h"
#include "document/Result.h"

#include <cstdint>
#include <span>

namespace tessellon {

// The face the glyphs of a plan are drawn from (the font file given, or the installed face
// of the family and style, as FontFaceLookup finds what the desktop draws), and the codes of
// those asked for that it has no glyph for, by its character map (the desktop's drawing
// takes the space for a no-break space the face lacks): the characters the drawing takes from
// fallback fonts or leaves blank. Refused, saying why, when the face cannot be
// found or opened. Call it where planGlyphDrawing may be called.
struct FaceCoverage {
    FontFaceFile face;
    MissingCharacters missing; // named after the face's family
};
// The face alone.
Result<FontFaceFile> drawnFace(const GlyphDrawingPlan& plan);

Result<FaceCoverage> findMissingCharacters(
    const GlyphDrawingPlan& plan, std::span<const std::uint16_t> codes);

// The codes that font, drawn in the desktop's style as File > New draws it, lacks: those make
// lists for the same font and characters.
Result<MissingCharacters> findMissingCharacters(
    const QFont& font, std::span<const std::uint16_t> codes);

} // namespace tessellon
