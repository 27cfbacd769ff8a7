#pragma once

#include <string>

namespace tessellon {

// The name a chosen save name becomes: ".pix" is appended unless the file's own name
// already ends in exactly ".pix" (case-sensitive): font -> font.pix,
// font.txt -> font.txt.pix, FONT.PIX -> FONT.PIX.pix, font.pix stays.
std::string withPixExtension(const std::string& chosenName);

// An untitled font carries a name that begins with "NONAME" until it is first saved.
bool isUntitledName(const std::string& fileName);

} // namespace tessellon
