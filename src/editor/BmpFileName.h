#pragma once

#include <string>

namespace tessellon {

// The name Copy To writes its picture under: the extension of the file's own name (from its
// last dot on) becomes ".bmp", and a name without one gets it: a.png -> a.bmp, a -> a.bmp,
// a.bmp stays, pictures.d/a -> pictures.d/a.bmp.
std::string withBmpExtension(const std::string& chosenName);

} // namespace tessellon
