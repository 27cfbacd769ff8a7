#pragma once

#include "creation/HintingStyle.h"
#include "creation/NewFontNumbers.h"

#include <QFont>
#include <QImage>
#include <QString>

namespace tessellon {

// The new-font dialog's preview picture: the image is filled white inside a black border,
// then every character of text that fits (layoutPreview) is drawn in its cell, in black
// without smoothing as the glyphs are, with the top-left of its character cell at the
// offset and clipped to the glyph-sized inside of the cell. One cell per character; a
// character beyond the 16-bit range is one character. The styles other than System draw
// each cell as the font's glyph will be drawn in that style; when the font cannot be drawn
// so (no file for its face), the cells show the System style.
void drawNewFontPreview(QImage& image, const QFont& font, const QString& text,
    const NewFontNumbers& numbers, HintingStyle hinting = HintingStyle::System);

// The text split into characters (a surrogate pair is one).
QStringList previewCharacters(const QString& text);

} // namespace tessellon
