#pragma once

#include "document/FontDocument.h"
#include "document/GlyphChange.h"
#include "document/RgbImage.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace tessellon {

// What a font window shows beside its font: the pixel editor's picture, the glyph that
// picture belongs to, the pen and the zoom. The font is read, never changed, from here.
class EditorState {
public:
    static constexpr int defaultZoom = 10;

    explicit EditorState(const FontDocument& document);
    EditorState(const EditorState&) = delete;
    EditorState& operator=(const EditorState&) = delete;

    // The pixel editor's picture, row-major, one byte per pixel: 1 ink, 0 background.
    std::vector<std::uint8_t> editBuffer;
    // The glyph the edit buffer was last loaded from or written into; none before that.
    std::optional<std::uint32_t> editGlyph;
    Rgb penColor = black;
    int zoom = defaultZoom;

    const FontDocument& document() const { return m_document; }
    int glyphWidth() const { return m_document.glyphWidth(); }
    int glyphHeight() const { return m_document.glyphHeight(); }

    // A blank edit buffer of the font's glyph size, from no glyph.
    void resetEditBuffer();
    // Copies glyph index into the edit buffer.
    bool LoadEditBuffer(std::uint32_t index);
    // The change that Update applies: glyph index rebuilt from the edit buffer. Empty for an
    // index at or beyond glyphCount or an edit buffer of the wrong size.
    GlyphChange editBufferChange(std::uint32_t index) const;
    // Whether the edit buffer shows what no glyph holds yet: it differs from editGlyph, or,
    // from no glyph, it has ink.
    bool editBufferUnwritten() const;

private:
    bool editBufferFits() const;

    const FontDocument& m_document;
};

} // namespace tessellon
