#pragma once

#include "document/FontLib.h"

#include <cstdint>
#include <string>
#include <vector>

namespace tessellon {

// Everything one child window keeps about its font: the font itself and the state of
// its editing. Plain data; the window adds the widgets.
class FontDocument {
public:
    static constexpr int defaultZoom = 10;

    FontLib fontLib;
    std::string fileName;
    bool modified = false;
    bool fontReady = false;
    // The pixel editor's picture, row-major, one byte per pixel: 1 ink, 0 background.
    std::vector<std::uint8_t> editBuffer;
    Rgb penColor = black;
    Rgb cellBackColor = white;
    int zoom = defaultZoom;

    bool DrawGlyph(RgbImage& image, int x0, int y0, std::uint32_t index) const;
    // Pasting does not mark the font modified.
    bool ReadGlyph(const RgbImage& image, int x0, int y0, std::uint32_t index);

    // A blank edit buffer of the font's glyph size.
    void resetEditBuffer();
    // Copies glyph index into the edit buffer.
    bool LoadEditBuffer(std::uint32_t index);
    // Rebuilds glyph index from the edit buffer and marks the font modified.
    bool StoreEditBuffer(std::uint32_t index);

    int glyphWidth() const { return fontLib.info.glyphWidth; }
    int glyphHeight() const { return fontLib.info.glyphHeight; }
};

} // namespace tessellon
