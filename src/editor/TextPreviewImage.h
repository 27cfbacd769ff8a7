#pragma once

#include "document/FontLib.h"
#include "editor/TextPreviewLayout.h"

#include <QImage>
#include <QSize>

namespace tessellon {

// The display as the text preview shows it, one image pixel per display pixel: background
// everywhere, the ink pixels of each placed glyph in ink, and for each character the font
// lacks a glyph-sized frame, one pixel wide, in ink. What falls outside the display is cut.
QImage drawTextPreview(
    const TextPreviewLayout& layout, const FontLib& font, QSize display, Rgb ink, Rgb background);

} // namespace tessellon
