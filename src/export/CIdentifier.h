#pragma once

#include "document/Result.h"

#include <string>

namespace tessellon {

inline constexpr std::size_t maxIdentifierLength = 63;

// A name C code can declare: a letter or '_', then letters, digits and '_', at most
// maxIdentifierLength characters, and no keyword of C99. Otherwise the message says why.
Status checkCIdentifier(const std::string& name);

// An identifier made from the name of a file: its own name without the extension, with every
// character an identifier cannot hold turned into '_', a leading digit or keyword prefixed
// by "font_", cut to the longest identifier: "out/8x16-bold.c" gives "font_8x16_bold".
std::string identifierForFile(const std::string& path);

} // namespace tessellon
