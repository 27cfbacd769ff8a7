#pragma once

#include <string>

namespace tessellon {

// How the new-font dialog names the font that glyphs are drawn with. Heights are given as
// negative pixel counts: minus the character height, without internal leading.

// Until the user first changes the font.
inline constexpr const char* initialFontDescription = "Font:Courier New Size:12 Height -16";

// "Font:" face ",Size:" points ",Height:" height, as in Font:Courier New,Size:12,Height:-16.
std::string fontDescription(const std::string& face, int points, int height);

// The size in points of a font of that height on a screen of that resolution, rounded to
// the nearest point (96 dots per inch: -16 is 12 points, -12 is 9).
int pointsForHeight(int height, int dotsPerInch);

// The height of a font of that size in points: 20 points at 96 dots per inch are -27.
int heightForPoints(double points, int dotsPerInch);

} // namespace tessellon
