#pragma once

#include "creation/HintingStyle.h"

#include <QFont>
#include <QString>

#include <cstdint>

namespace tessellon {

// Everything the glyph rasteriser needs to make the glyphs of a new font.
struct CreateFontParams {
    std::uint16_t glyphWidth = 16;
    std::uint16_t glyphHeight = 16;
    // Where the top-left corner of each character's cell is drawn in the render surface.
    std::int16_t offsetX = 0;
    std::int16_t offsetY = 0;
    // Face, pixel size and style (bold, italic, underline, strike-out) of the characters.
    QFont font;
    // Path of the character-set file.
    QString CharSetFile;
    // How the characters are fitted to the pixels: the desktop's drawing unless chosen.
    HintingStyle hinting = HintingStyle::System;
};

} // namespace tessellon
