#pragma once

#include "document/FontLib.h"
#include "document/GlyphChange.h"
#include "document/Result.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace tessellon {

// Everything one child window keeps about its font: the font itself and the state of
// its editing. The window adds the widgets.
//
// Once a font is in place, its glyphs and codes change only through replaceGlyphs, which
// marks the font modified and tells the listeners (the grid, for one) what changed.
class FontDocument {
public:
    static constexpr int defaultZoom = 10;

    using GlyphsListener = std::function<void(const GlyphChange& applied)>;
    using ListenerId = int;

    FontDocument() = default;
    FontDocument(const FontDocument&) = delete;
    FontDocument& operator=(const FontDocument&) = delete;

    // Read freely. A whole font is put in place when it has been read or made; after that
    // its glyphs change through replaceGlyphs only.
    FontLib fontLib;
    std::string fileName;
    bool modified = false;
    bool fontReady = false;
    // The pixel editor's picture, row-major, one byte per pixel: 1 ink, 0 background.
    std::vector<std::uint8_t> editBuffer;
    // The glyph the edit buffer was last loaded from or written into; none before that.
    std::optional<std::uint32_t> editGlyph;
    Rgb penColor = black;
    int zoom = defaultZoom;

    // Replaces the glyphs that the change names (and their codes, where a run carries
    // them), and gives back the change that puts back what was there: applied the same
    // way, it undoes this one. Marks the font modified and tells every listener. A change
    // that does not fit the font (a glyph at or beyond glyphCount, bytes or codes of the
    // wrong length, codes for a font without a code table) changes nothing and gives the
    // reason.
    Result<GlyphChange> replaceGlyphs(const GlyphChange& change);

    // Sets the rows of the cell above the baseline (none: unknown) and marks the font
    // modified; a baseline outside the cell is refused, saying why, and changes nothing.
    Status setBaseline(std::optional<int> rows);

    // listener hears every change that replaceGlyphs applies, after it is applied, until it
    // is removed (before whatever it refers to goes).
    ListenerId addGlyphsListener(GlyphsListener listener);
    void removeGlyphsListener(ListenerId id);

    // Draws glyph index with ink black and clear pixels in background.
    bool DrawGlyph(
        RgbImage& image, int x0, int y0, std::uint32_t index, Rgb background = white) const;
    // Rebuilds glyph index from the image (changeFromImage) through replaceGlyphs.
    bool ReadGlyph(const RgbImage& image, int x0, int y0, std::uint32_t index);

    // A blank edit buffer of the font's glyph size, from no glyph.
    void resetEditBuffer();
    // Copies glyph index into the edit buffer.
    bool LoadEditBuffer(std::uint32_t index);
    // Rebuilds glyph index from the edit buffer through replaceGlyphs.
    bool StoreEditBuffer(std::uint32_t index);
    // The change that StoreEditBuffer applies: glyph index rebuilt from the edit buffer.
    // Empty for an index at or beyond glyphCount or an edit buffer of the wrong size.
    GlyphChange editBufferChange(std::uint32_t index) const;
    // Whether the edit buffer shows what no glyph holds yet: it differs from editGlyph, or,
    // from no glyph, it has ink.
    bool editBufferUnwritten() const;

    int glyphWidth() const { return fontLib.info.glyphWidth; }
    int glyphHeight() const { return fontLib.info.glyphHeight; }

private:
    Status checkRun(const GlyphRun& run) const;
    void applyRun(const GlyphRun& run);
    bool editBufferFits() const;

    std::vector<std::pair<ListenerId, GlyphsListener>> m_listeners;
    ListenerId m_nextListener = 0;
};

} // namespace tessellon
