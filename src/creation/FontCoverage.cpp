#include "creation/FontCoverage.h"

#include "creation/FontFaceLookup.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <memory>
#include <unordered_set>

namespace tessellon {

namespace {

    struct LibraryRelease {
        void operator()(FT_Library library) const { FT_Done_FreeType(library); }
    };
    using Library = std::unique_ptr<FT_LibraryRec_, LibraryRelease>;

} // namespace

Result<FontFaceFile> drawnFace(const GlyphDrawingPlan& plan)
{
    if (plan.freeType) {
        return plan.freeType->face;
    }
    auto drawing = freeTypeDrawingFor(plan.params);
    if (!drawing) {
        return failure(drawing.message());
    }
    return drawing->face;
}

Result<FaceCoverage> findMissingCharacters(
    const GlyphDrawingPlan& plan, std::span<const std::uint16_t> codes)
{
    auto face = drawnFace(plan);
    if (!face) {
        return failure(face.message());
    }
    FT_Library rawLibrary = nullptr;
    if (FT_Init_FreeType(&rawLibrary) != 0) {
        return failure("Cannot start FreeType to read the font " + face->path + ".");
    }
    const Library library(rawLibrary);
    FT_Face opened = nullptr;
    if (FT_New_Face(library.get(), face->path.c_str(), face->index, &opened) != 0) {
        return failure("Cannot open the font " + face->path + " with FreeType.");
    }
    FaceCoverage coverage { *face, { opened->family_name ? opened->family_name : face->path, {} } };
    // The desktop's drawing takes the face's space for a no-break space it lacks.
    const bool spaceForNoBreak = !plan.freeType && FT_Get_Char_Index(opened, U' ') != 0;
    std::unordered_set<std::uint16_t> listed;
    for (std::uint16_t code : codes) {
        const bool drawn
            = FT_Get_Char_Index(opened, code) != 0 || (code == 0xA0 && spaceForNoBreak);
        if (!drawn && listed.insert(code).second) {
            coverage.missing.codes.push_back(code);
        }
    }
    return coverage;
}

Result<MissingCharacters> findMissingCharacters(
    const QFont& font, std::span<const std::uint16_t> codes)
{
    GlyphDrawingParams params;
    params.font = font;
    const auto plan = planGlyphDrawing(params);
    if (!plan) {
        return failure(plan.message());
    }
    auto coverage = findMissingCharacters(*plan, codes);
    if (!coverage) {
        return failure(coverage.message());
    }
    return std::move(coverage->missing);
}

} // namespace tessellon
