#pragma once

#include "creation/NewFontNumbers.h"

#include <cstddef>
#include <vector>

namespace tessellon {

// A rectangle of image pixels: left and top included, right and bottom excluded.
struct PixelRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    bool operator==(const PixelRect&) const = default;
};

// One character's place in the new-font dialog's preview: a glyph-sized box that shows where
// the character sits in its glyph and what of it is cut off.
struct PreviewCell {
    int column = 0;
    int row = 0;
    // Cells stand in a grid with a grey frame each, neighbours sharing their frame lines;
    // when not even one column fits they run down a diagonal without frames.
    bool framed = true;
    PixelRect frame; // the frame's outline; empty when not framed
    PixelRect inside; // glyphWidth x glyphHeight: the character is drawn clipped to it
    int originX = 0; // where the top-left corner of the character's cell goes
    int originY = 0;

    bool operator==(const PreviewCell&) const = default;
};

// The size of the preview image.
inline constexpr int previewImageSide = 137;

// The cells of the first characterCount characters in an image of that size. The grid has
// a pitch of glyphWidth + 1 across and glyphHeight + 1 down, with image width div (glyphWidth
// + 1) columns, filled row by row; the cells end before the first one whose bottom would
// reach the image's bottom edge. Numbers outside the new-font limits give no cells.
std::vector<PreviewCell> layoutPreview(
    int imageWidth, int imageHeight, const NewFontNumbers& numbers, std::size_t characterCount);

} // namespace tessellon
