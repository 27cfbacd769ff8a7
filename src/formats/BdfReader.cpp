#include "formats/BdfReader.h"

#include "formats/BdfParser.h"
#include "formats/GlyphPlacement.h"

#include <algorithm>
#include <optional>

namespace tessellon {

namespace {

    struct Placement {
        GlyphSize cell;
        CellOffset offset;
        int ascent = 0;
    };

    std::optional<int> advanceOf(const BdfFont& font, const BdfGlyph& glyph)
    {
        return glyph.advance ? glyph.advance : font.advance;
    }

    // The cell holds the font's bounding box, from the origin to the widest advance, and
    // FONT_ASCENT above and FONT_DESCENT below the baseline, unless options say otherwise.
    Placement placementFor(const BdfFont& font, const std::vector<const BdfGlyph*>& glyphs,
        const FontFileOptions& options)
    {
        const BdfBox& box = font.fontBox;
        const int ascent = font.ascent.value_or(box.y + box.height);
        const int descent = font.descent.value_or(-box.y);
        const int x = options.offset ? options.offset->x : std::max(0, -box.x);
        const int y = options.offset ? options.offset->y : std::max(0, box.y + box.height - ascent);
        if (options.cell) {
            return Placement { *options.cell, { x, y }, ascent };
        }
        std::int64_t right = std::max(0, box.x + box.width);
        for (const BdfGlyph* glyph : glyphs) {
            right = std::max<std::int64_t>(right, advanceOf(font, *glyph).value_or(0));
        }
        // Every term lies within a few times maxBdfMetric, so the sums fit an int; the
        // size is checked with the glyph count.
        const auto width = static_cast<int>(x + right);
        const int height = y + ascent + std::max(descent, -box.y);
        return Placement { { width, height }, { x, y }, ascent };
    }

    std::optional<int> baselineInCell(std::int64_t rows, int cellHeight)
    {
        return rows >= 0 && rows <= cellHeight ? std::optional(static_cast<int>(rows))
                                               : std::nullopt;
    }

    // The writer gives a font without codes its glyphs' positions as encodings.
    bool encodingsArePositions(const BdfFont& font)
    {
        for (std::size_t i = 0; i < font.glyphs.size(); ++i) {
            if (font.glyphs[i].encoding != static_cast<std::int64_t>(i)) {
                return false;
            }
        }
        return font.fontSpecific;
    }

    void noteAdvances(const BdfFont& font, const std::vector<const BdfGlyph*>& glyphs, int width,
        ReadNotes& notes)
    {
        int narrowest = maxBdfMetric;
        int widest = -maxBdfMetric;
        for (const BdfGlyph* glyph : glyphs) {
            if (const auto advance = advanceOf(font, *glyph)) {
                narrowest = std::min(narrowest, *advance);
                widest = std::max(widest, *advance);
            }
        }
        const std::string cell = std::to_string(width) + " pixels wide";
        if (narrowest < widest) {
            notes.push_back("The font is proportional: its glyphs keep their left bearings, and "
                            "their advance widths (DWIDTH "
                + std::to_string(narrowest) + " to " + std::to_string(widest)
                + ") were dropped, as every glyph of a .pix font is " + cell + ".");
        } else if (narrowest == widest && widest != width) {
            notes.push_back("The advance width (DWIDTH " + std::to_string(widest)
                + ") was dropped: every glyph is " + cell + ".");
        }
    }

    Status checkSomeKept(const BdfFont& bdf, std::size_t kept)
    {
        if (bdf.glyphs.empty()) {
            return failure("the font holds no glyphs");
        }
        if (kept == 0) {
            return failure("the font holds no glyph with a code from 0 to FFFF");
        }
        return {};
    }

    Result<FontLib> buildFont(
        ByteSource& source, const BdfFont& bdf, const FontFileOptions& options, ReadNotes& notes)
    {
        const bool positional = encodingsArePositions(bdf);
        std::vector<const BdfGlyph*> kept;
        std::size_t withoutCode = 0;
        std::size_t aboveFFFF = 0;
        for (const BdfGlyph& glyph : bdf.glyphs) {
            if (positional || (glyph.encoding >= 0 && glyph.encoding <= 0xFFFF)) {
                kept.push_back(&glyph);
            } else {
                ++(glyph.encoding < 0 ? withoutCode : aboveFFFF);
            }
        }
        if (Status some = checkSomeKept(bdf, kept.size()); !some) {
            return failure(some.message());
        }
        const auto [cell, offset, ascent] = placementFor(bdf, kept, options);
        if (Status size = checkImportedFontSize(cell, kept.size()); !size) {
            return failure(size.message());
        }
        FontLib font = FontLib::blank(
            cell.width, cell.height, static_cast<std::uint32_t>(kept.size()), !positional);
        font.baseline = baselineInCell(offset.y + ascent, cell.height);
        BdfBitmaps bitmaps(source);
        std::size_t cut = 0;
        for (std::uint32_t i = 0; i < kept.size(); ++i) {
            const BdfGlyph& glyph = *kept[i];
            if (!positional) {
                (*font.codeTable)[i] = static_cast<std::uint16_t>(glyph.encoding);
            }
            const Result<PackedBitmap> bitmap = bitmaps.read(glyph);
            if (!bitmap) {
                return failure(bitmap.message());
            }
            cut += placeBitmap(font, i, *bitmap, offset.x + glyph.box.x,
                offset.y + ascent - (glyph.box.y + glyph.box.height));
        }
        noteGlyphs(notes, withoutCode, "without a code (ENCODING -1)", "skipped");
        noteGlyphs(notes, aboveFFFF, "with codes above FFFF", "skipped");
        if (font.codeTable) {
            noteRepeatedCodes(notes, *font.codeTable);
        }
        noteCutGlyphs(notes, cut, cell);
        noteAdvances(bdf, kept, cell.width, notes);
        return font;
    }

} // namespace

Result<FontLib> readBdf(ByteSource& source, const FontFileOptions& options, ReadNotes& notes)
{
    const Result<BdfFont> bdf = parseBdf(source);
    if (!bdf) {
        return failure(bdf.message());
    }
    return buildFont(source, *bdf, options, notes);
}

} // namespace tessellon
