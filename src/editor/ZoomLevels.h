#pragma once

namespace tessellon {

// Magnifications the pixel editor offers: 4 to 40 screen pixels per glyph pixel.
inline constexpr int minEditorZoom = 4;
inline constexpr int maxEditorZoom = 40;
// The grid shows glyphs at 1x to 4x.
inline constexpr int minGridScale = 1;
inline constexpr int maxGridScale = 4;

// The editor zoom steps places away from zoom along 4, 5, 6, 8, 10, 12, 16, 20, 24, 32, 40
// (negative steps zoom out), stopping at either end. A zoom between two levels counts as
// the lower one.
int steppedEditorZoom(int zoom, int steps);

// The grid scale steps away from scale, kept within 1 to 4.
int steppedGridScale(int scale, int steps);

} // namespace tessellon
