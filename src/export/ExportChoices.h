#pragma once

#include "export/GlyphMetrics.h"

#include <optional>
#include <string>

namespace tessellon {

// Page-addressed displays (SSD1306, SH1106, ST7565): eight rows per byte.
struct PageLayout {
    bool bit0Bottom = false; // bit 0 is the bottom row of its page, not the top one
    bool byColumns = false; // column after column (each column's pages), not page after page
};

// Plain rows, padded to whole bytes.
struct RowLayout {
    bool lsbFirst = false; // the leftmost pixel is bit 0, not bit 7
    bool inverted = false; // a set bit is background, not ink
};

// The LAYOUT constant and the layout field of a pages or rows font.
inline constexpr int layoutBit0Bottom = 1;
inline constexpr int layoutByColumns = 2;
inline constexpr int layoutLsbFirst = 1;
inline constexpr int layoutInverted = 2;

int layoutFlags(const PageLayout& layout);
int layoutFlags(const RowLayout& layout);

// What the user chooses for an export to a target: none of it changes the font.
struct ExportChoices {
    AdvanceRule advance;
    // Rows of the cell above the baseline, over the font's own.
    std::optional<int> baseline;
    // The C identifier of the font; empty: one made from the output file's name.
    std::string name;
    PageLayout pages;
    RowLayout rows;
};

} // namespace tessellon
