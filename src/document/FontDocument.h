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

// One font as a window holds it: the font itself, its file's name, and who hears of its
// changes. The window keeps its editing state and its history beside it.
//
// The font is read through fontLib(); it changes only through takeFont (a whole font, read
// or made), replaceGlyphs (its glyphs and codes, telling the listeners, the grid for one,
// what changed), setBaseline and markWritten.
class FontDocument {
public:
    using GlyphsListener = std::function<void(const GlyphChange& applied)>;
    using ListenerId = int;

    FontDocument() = default;
    FontDocument(const FontDocument&) = delete;
    FontDocument& operator=(const FontDocument&) = delete;

    const FontLib& fontLib() const { return m_font; }
    std::string fileName;
    bool fontReady = false;

    // Puts a whole font, read or made, in place of the one there.
    void takeFont(FontLib font);

    // Replaces the glyphs that the change names (and their codes, where a run carries
    // them), and gives back the change that puts back what was there: applied the same
    // way, it undoes this one. Tells every listener. A change that does not fit the font (a
    // glyph at or beyond glyphCount, bytes or codes of the wrong length, codes for a font
    // without a code table) changes nothing and gives the reason.
    Result<GlyphChange> replaceGlyphs(const GlyphChange& change);

    // Sets the rows of the cell above the baseline (none: unknown); a baseline outside the
    // cell is refused, saying why, and changes nothing.
    Status setBaseline(std::optional<int> rows);

    // The font has been written to its file: its header now says what the file's does.
    void markWritten();

    // listener hears every change that replaceGlyphs applies, after it is applied, until it
    // is removed (before whatever it refers to goes).
    ListenerId addGlyphsListener(GlyphsListener listener);
    void removeGlyphsListener(ListenerId id);

    // Draws glyph index with ink black and clear pixels in background.
    bool DrawGlyph(
        RgbImage& image, int x0, int y0, std::uint32_t index, Rgb background = white) const;

    int glyphWidth() const { return m_font.info.glyphWidth; }
    int glyphHeight() const { return m_font.info.glyphHeight; }

private:
    Status checkRun(const GlyphRun& run) const;
    void applyRun(const GlyphRun& run);

    FontLib m_font;

    std::vector<std::pair<ListenerId, GlyphsListener>> m_listeners;
    ListenerId m_nextListener = 0;
};

} // namespace tessellon
