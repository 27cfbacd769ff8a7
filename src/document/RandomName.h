#pragma once

#include <string>

namespace tessellon {

// count random lower-case hexadecimal digits, for names of new files that must not
// collide with existing ones.
std::string randomHexDigits(int count);

} // namespace tessellon
