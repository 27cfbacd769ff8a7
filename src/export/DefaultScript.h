#pragma once

#include <string>
#include <vector>

namespace tessellon {

// The script the editor shows when no stored script can be read: one const unsigned char
// array per glyph, named after the glyph's code, then an index table of them.
const std::vector<std::string>& defaultScript();

} // namespace tessellon
