#pragma once

#include <string>

namespace tessellon {

// True when both paths name one existing file (the same device and inode), however they
// are spelled: other folders, symbolic or hard links. A command that writes one and reads
// the other would otherwise destroy its own input.
bool isSameFile(const std::string& first, const std::string& second);

} // namespace tessellon
