#pragma once

#include "creation/GlyphDrawer.h"

#include <QFont>
#include <QGlyphRun>
#include <QImage>
#include <QRawFont>
#include <QString>

#include <cstdint>
#include <memory>
#include <optional>
#include <span>

class QPainter;

namespace tessellon {

// Draws one UTF-16 code unit at a time with Qt's text rendering and packs the pure-black
// pixels of the top-left glyphWidth x glyphHeight corner into one-bit rows. One surface
// and one painter serve a whole run, from BeginRender to EndRender; use from one thread.
//
// The surface is renderSide x renderSide, renderSide being the larger glyph side. Each
// glyph starts from a white surface; the character is drawn in black without
// antialiasing, the top-left of its character cell at (offsetX, offsetY), so its baseline
// lies at offsetY + ascent. A pixel is ink when it would be 0 on a 5-6-5 surface.
class GlyphRenderer final : public GlyphDrawer {
public:
    GlyphRenderer();
    ~GlyphRenderer() override;
    GlyphRenderer(const GlyphRenderer&) = delete;
    GlyphRenderer& operator=(const GlyphRenderer&) = delete;

    // The rows of a glyphHeight-row cell above the baseline that glyphs drawn with font and
    // offsetY get: offsetY plus the font's ascent; none when that lies outside the cell.
    static std::optional<int> cellBaseline(const QFont& font, int glyphHeight, int offsetY);

    // False (and nothing to render with) for a glyph side outside 1 to maxGlyphSide.
    bool BeginRender(const QFont& font, int glyphWidth, int glyphHeight, int offsetX, int offsetY);

    // ORs the ink bits of code into the glyphBytes bytes at destination. False when no
    // render is under way or destination is shorter than one glyph.
    bool RenderGlyph(std::span<std::uint8_t> destination, std::uint16_t code);

    // The font-making loop's way in: RenderGlyph.
    void drawGlyph(std::uint16_t code, std::span<std::uint8_t> glyph) override
    {
        RenderGlyph(glyph, code);
    }

    // RenderGlyph for a 16-bit code; a character beyond is drawn from its surrogate pair.
    void drawCharacter(char32_t code, std::span<std::uint8_t> glyph) override;

    // Releases the painter and the surface. False when no render was under way.
    bool EndRender();

    bool isRendering() const { return m_painter != nullptr; }
    int renderSide() const { return m_renderSide; }
    std::size_t glyphBytes() const { return m_rowBytes * static_cast<std::size_t>(m_glyphHeight); }

    // The surface as the last glyph left it, while a render is under way.
    const QImage& surface() const { return m_surface; }

    // The colours a 5-6-5 surface keeps of a 32-bit pixel; the pixel is ink when none
    // is left.
    static constexpr std::uint32_t rgb565Bits = 0x00F8FCF8;

private:
    void draw(std::uint16_t code);
    void packInk(std::uint8_t* destination) const;

    QImage m_surface;
    std::unique_ptr<QPainter> m_painter;
    QString m_text;
    // The font's own glyphs are drawn straight from its glyph table; characters it lacks,
    // and decorated text, go through Qt's full text drawing (with its font fallback).
    QRawFont m_rawFont;
    QGlyphRun m_glyphRun;
    bool m_glyphsDirect = false;
    int m_renderSide = 0;
    int m_glyphWidth = 0;
    int m_glyphHeight = 0;
    std::size_t m_rowBytes = 0;
    int m_originX = 0;
    int m_baseline = 0;
};

} // namespace tessellon
