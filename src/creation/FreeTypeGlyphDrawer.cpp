#include "creation/FreeTypeGlyphDrawer.h"

#include "document/FontLib.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_BITMAP_H
#include FT_SYNTHESIS_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <cstdlib>
#include <optional>

namespace tessellon {

namespace {

    // The desktop emboldens only faces below this weight, and only up to this size.
    constexpr int boldWeight = 700;
    constexpr int largestEmboldenedSize = 63;

    struct LoadedFace {
        FT_Face face = nullptr;
        bool embolden = false;
        bool oblique = false;
    };

    bool weightBelowBold(FT_Face face)
    {
        const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
        return os2 != nullptr && os2->usWeightClass < boldWeight;
    }

    // A scalable face is set to the pixel size; a face of bitmaps only to its nearest size.
    bool setSize(FT_Face face, int pixelSize)
    {
        if (FT_IS_SCALABLE(face)) {
            return FT_Set_Char_Size(face, 0, static_cast<FT_F26Dot6>(pixelSize) * 64, 0, 0) == 0;
        }
        if (face->num_fixed_sizes <= 0) {
            return false;
        }
        int nearest = 0;
        for (int i = 1; i < face->num_fixed_sizes; ++i) {
            const auto distance
                = [&](int k) { return std::abs(face->available_sizes[k].y_ppem / 64 - pixelSize); };
            if (distance(i) < distance(nearest)) {
                nearest = i;
            }
        }
        return FT_Select_Size(face, nearest) == 0;
    }

    std::optional<int> loadFlags(const FreeTypeDrawing& drawing)
    {
        switch (drawing.hinting) {
        case HintingStyle::System:
            if (!drawing.systemHinting) {
                return FT_LOAD_NO_HINTING | FT_LOAD_IGNORE_GLOBAL_ADVANCE_WIDTH;
            }
            return FT_LOAD_TARGET_MONO | FT_LOAD_IGNORE_GLOBAL_ADVANCE_WIDTH
                | (drawing.systemAutoHint ? FT_LOAD_FORCE_AUTOHINT : 0);
        case HintingStyle::AutoHinter:
            return FT_LOAD_TARGET_MONO | FT_LOAD_FORCE_AUTOHINT | FT_LOAD_NO_BITMAP;
        case HintingStyle::Light:
            return FT_LOAD_TARGET_LIGHT | FT_LOAD_NO_BITMAP;
        case HintingStyle::None:
            return FT_LOAD_NO_HINTING | FT_LOAD_NO_BITMAP;
        }
        return std::nullopt;
    }

    std::optional<LoadedFace> openFace(
        FT_Library library, const FontFaceFile& file, const FreeTypeDrawing& drawing)
    {
        LoadedFace loaded;
        if (FT_New_Face(library, file.path.c_str(), file.index, &loaded.face) != 0) {
            return std::nullopt;
        }
        if (!setSize(loaded.face, drawing.pixelSize)) {
            FT_Done_Face(loaded.face);
            return std::nullopt;
        }
        const bool scalable = FT_IS_SCALABLE(loaded.face);
        loaded.oblique
            = scalable && drawing.italic && !(loaded.face->style_flags & FT_STYLE_FLAG_ITALIC);
        loaded.embolden = scalable && drawing.weight >= boldWeight
            && !(loaded.face->style_flags & FT_STYLE_FLAG_BOLD) && !FT_IS_FIXED_WIDTH(loaded.face)
            && weightBelowBold(loaded.face) && drawing.pixelSize <= largestEmboldenedSize;
        return loaded;
    }

} // namespace

struct FreeTypeGlyphDrawer::Faces {
    FT_Library library = nullptr;
    LoadedFace primary;
    std::vector<std::optional<LoadedFace>> fallbacks; // opened when first needed
    FT_Bitmap converted {};
    int loadFlags = 0;

    ~Faces()
    {
        if (!library) {
            return;
        }
        FT_Bitmap_Done(library, &converted);
        // Done_FreeType releases every face of the library.
        FT_Done_FreeType(library);
    }
};

FreeTypeGlyphDrawer::FreeTypeGlyphDrawer(const FreeTypeDrawing& drawing)
    : m_drawing(drawing)
    , m_rowBytes(rowBytesFor(drawing.glyphWidth))
    , m_faces(std::make_unique<Faces>())
{
}

FreeTypeGlyphDrawer::~FreeTypeGlyphDrawer() = default;

Result<std::unique_ptr<FreeTypeGlyphDrawer>> FreeTypeGlyphDrawer::open(
    const FreeTypeDrawing& drawing)
{
    if (!isSupportedGlyphSize(drawing.glyphWidth, drawing.glyphHeight)) {
        return failure("Glyphs of " + std::to_string(drawing.glyphWidth) + " x "
            + std::to_string(drawing.glyphHeight) + " pixels cannot be drawn.");
    }
    const auto flags = loadFlags(drawing);
    if (!flags || drawing.pixelSize < 1) {
        return failure("Cannot draw glyphs in that style or size.");
    }
    std::unique_ptr<FreeTypeGlyphDrawer> drawer(new FreeTypeGlyphDrawer(drawing));
    Faces& faces = *drawer->m_faces;
    if (FT_Init_FreeType(&faces.library) != 0) {
        faces.library = nullptr;
        return failure("Cannot start FreeType to draw glyphs.");
    }
    const auto primary = openFace(faces.library, drawing.face, drawing);
    if (!primary) {
        return failure("Cannot open the font " + drawing.face.path + " at "
            + std::to_string(drawing.pixelSize) + " px with FreeType.");
    }
    faces.primary = *primary;
    faces.fallbacks.resize(drawing.fallbacks.size());
    faces.loadFlags = *flags;
    FT_Bitmap_Init(&faces.converted);
    return drawer;
}

namespace {

    // Where a glyph's bitmap goes.
    struct GlyphCanvas {
        std::span<std::uint8_t> bytes;
        int width = 0;
        int height = 0;
        std::size_t rowBytes = 0;

        void setInk(int x, int y)
        {
            bytes[static_cast<std::size_t>(y) * rowBytes + static_cast<std::size_t>(x) / 8]
                |= static_cast<std::uint8_t>(0x80u >> (x % 8));
        }
    };

    // A rendered bitmap as rows from the top, whatever way its rows are stored.
    const unsigned char* bitmapRow(const FT_Bitmap& bitmap, unsigned row)
    {
        const auto pitch = static_cast<std::ptrdiff_t>(bitmap.pitch);
        const std::ptrdiff_t first = pitch >= 0 ? 0 : -pitch * (bitmap.rows - 1);
        return bitmap.buffer + first + pitch * static_cast<std::ptrdiff_t>(row);
    }

    // A pixel of a mono bitmap, or of an 8-bit one (a face's own grey bitmaps, converted)
    // that is at least half dark.
    bool bitmapInk(const FT_Bitmap& bitmap, const unsigned char* row, unsigned x)
    {
        if (bitmap.pixel_mode == FT_PIXEL_MODE_MONO) {
            return (row[x / 8] & (0x80u >> (x % 8))) != 0;
        }
        const int darkest = bitmap.num_grays > 1 ? bitmap.num_grays - 1 : 255;
        return row[x] * 2 >= darkest;
    }

    // Copies the ink of a mono or 8-bit bitmap whose top-left pixel lies at (left, top)
    // into the canvas, cutting off what falls outside it.
    void copyInk(const FT_Bitmap& bitmap, int left, int top, GlyphCanvas& canvas)
    {
        for (unsigned row = 0; row < bitmap.rows; ++row) {
            const int y = top + static_cast<int>(row);
            if (y < 0 || y >= canvas.height) {
                continue;
            }
            const unsigned char* pixels = bitmapRow(bitmap, row);
            for (unsigned column = 0; column < bitmap.width; ++column) {
                const int x = left + static_cast<int>(column);
                if (x >= 0 && x < canvas.width && bitmapInk(bitmap, pixels, column)) {
                    canvas.setInk(x, y);
                }
            }
        }
    }

    // Loads the glyph as the flags say, falling back as the desktop does when a font's
    // hints cannot run or it has no outline for the glyph.
    bool loadGlyph(FT_Face face, FT_UInt index, int flags)
    {
        FT_Error error = FT_Load_Glyph(face, index, flags);
        if (error != 0 && (flags & FT_LOAD_NO_BITMAP)) {
            flags &= ~FT_LOAD_NO_BITMAP;
            error = FT_Load_Glyph(face, index, flags);
        }
        if (error == FT_Err_Too_Few_Arguments || error == FT_Err_Execution_Too_Long) {
            error = FT_Load_Glyph(face, index, flags | FT_LOAD_FORCE_AUTOHINT);
        }
        return error == 0;
    }

} // namespace

struct FreeTypeGlyphDrawer::FaceGlyph {
    const LoadedFace* face = nullptr;
    FT_UInt index = 0;
};

// The face that has the character, and the glyph's number in it: the primary face, or the
// first fallback that has it; the primary face's missing glyph when none has.
FreeTypeGlyphDrawer::FaceGlyph FreeTypeGlyphDrawer::findGlyph(char32_t code)
{
    Faces& faces = *m_faces;
    FaceGlyph found { &faces.primary, FT_Get_Char_Index(faces.primary.face, code) };
    for (std::size_t i = 0; found.index == 0 && i < faces.fallbacks.size(); ++i) {
        auto& fallback = faces.fallbacks[i];
        if (!fallback) {
            // A face that cannot be opened is left out from then on.
            fallback = openFace(faces.library, m_drawing.fallbacks[i], m_drawing)
                           .value_or(LoadedFace {});
        }
        if (fallback->face) {
            if (const FT_UInt index = FT_Get_Char_Index(fallback->face, code); index != 0) {
                found = { &*fallback, index };
            }
        }
    }
    return found;
}

// The glyph loaded, made bold or slanted as its face needs, and drawn bilevel: a mono bitmap,
// or an 8-bit one for a face's own bitmaps of other kinds; nullptr when it cannot be drawn.
const FT_Bitmap* FreeTypeGlyphDrawer::renderGlyph(const FaceGlyph& found)
{
    const LoadedFace& face = *found.face;
    Faces& faces = *m_faces;
    if (!loadGlyph(
            face.face, found.index, faces.loadFlags | (face.oblique ? FT_LOAD_NO_BITMAP : 0))) {
        return nullptr;
    }
    FT_GlyphSlot slot = face.face->glyph;
    if (face.embolden) {
        FT_GlyphSlot_Embolden(slot);
    }
    if (face.oblique) {
        FT_GlyphSlot_Oblique(slot);
    }
    if (FT_Render_Glyph(slot, FT_RENDER_MODE_MONO) != 0) {
        return nullptr;
    }
    if (slot->bitmap.pixel_mode == FT_PIXEL_MODE_MONO
        || slot->bitmap.pixel_mode == FT_PIXEL_MODE_GRAY) {
        return &slot->bitmap;
    }
    return FT_Bitmap_Convert(faces.library, &slot->bitmap, &faces.converted, 1) == 0
        ? &faces.converted
        : nullptr;
}

void FreeTypeGlyphDrawer::drawCharacter(char32_t code, std::span<std::uint8_t> glyph)
{
    if (glyph.size() < m_rowBytes * static_cast<std::size_t>(m_drawing.glyphHeight)) {
        return;
    }
    const FaceGlyph found = findGlyph(code);
    const FT_Bitmap* bitmap = renderGlyph(found);
    if (!bitmap) {
        return;
    }
    const FT_GlyphSlot slot = found.face->face->glyph;
    GlyphCanvas canvas { glyph, m_drawing.glyphWidth, m_drawing.glyphHeight, m_rowBytes };
    copyInk(*bitmap, m_drawing.originX + slot->bitmap_left, m_drawing.baseline - slot->bitmap_top,
        canvas);
}

} // namespace tessellon
