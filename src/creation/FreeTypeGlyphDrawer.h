#pragma once

#include "creation/GlyphDrawer.h"
#include "creation/HintingStyle.h"
#include "document/Result.h"

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

struct FT_Bitmap_;

namespace tessellon {

// One face of a font file: the file's path and the face's number in it (0 but in
// collections).
struct FontFaceFile {
    std::string path;
    int index = 0;

    bool operator==(const FontFaceFile&) const = default;
};

// Everything a FreeTypeGlyphDrawer needs, in plain values, so that it can be made on any
// thread.
struct FreeTypeDrawing {
    FontFaceFile face;
    // Faces for the characters the face lacks, asked in order.
    std::vector<FontFaceFile> fallbacks;
    int pixelSize = 16;
    // What was asked for: a face that is lighter than 700 when 700 or more is asked, or
    // upright when italic is asked, is made so (emboldened, slanted) as the desktop does.
    int weight = 400;
    bool italic = false;
    int glyphWidth = 16;
    int glyphHeight = 16;
    // Where the pen starts: the left of the character cell and its baseline, in glyph
    // pixels from the top-left corner.
    int originX = 0;
    int baseline = 0;
    HintingStyle hinting = HintingStyle::AutoHinter;
    // How the desktop is set to draw this face in the System style: with hints or not, and
    // with FreeType's auto-hinter instead of the font's own.
    bool systemHinting = true;
    bool systemAutoHint = false;
};

// Draws glyphs with FreeType: the character's outline is scaled to the pixel size, fitted
// to the grid as the hinting style says and drawn bilevel by FreeType's monochrome
// rasteriser (which keeps thin stems from dropping out). System here is what the desktop
// does in FreeType terms: the font's own hints for monochrome output, or what fontconfig
// sets for the face. The pen starts at (originX, baseline); what falls outside the glyph is
// cut off.
//
// A drawer owns its FreeType library and faces and shares nothing with other drawers: one
// thread uses it, and several drawers may draw at once on different threads.
class FreeTypeGlyphDrawer final : public GlyphDrawer {
public:
    // Refused, saying why, when the face cannot be opened or set to the size, or the glyph
    // size is not supported.
    static Result<std::unique_ptr<FreeTypeGlyphDrawer>> open(const FreeTypeDrawing& drawing);

    ~FreeTypeGlyphDrawer() override;
    FreeTypeGlyphDrawer(const FreeTypeGlyphDrawer&) = delete;
    FreeTypeGlyphDrawer& operator=(const FreeTypeGlyphDrawer&) = delete;

    void drawCharacter(char32_t code, std::span<std::uint8_t> glyph) override;

    const FreeTypeDrawing& drawing() const { return m_drawing; }

private:
    struct Faces;
    struct FaceGlyph;

    explicit FreeTypeGlyphDrawer(const FreeTypeDrawing& drawing);
    FaceGlyph findGlyph(char32_t code);
    const FT_Bitmap_* renderGlyph(const FaceGlyph& found);

    FreeTypeDrawing m_drawing;
    std::size_t m_rowBytes = 0;
    std::unique_ptr<Faces> m_faces;
};

} // namespace tessellon
