#pragma once

#include "document/FontLib.h"

#include <string>

namespace tessellon {

struct PixWriteResult {
    bool ok = false;
    std::string message; // names the file and the reason when ok is false
};

// The info record as it is saved: codeTableFlag says whether a code table follows,
// reserved is 0.
FontLibInfo infoForSaving(const FontLib& font);

// Writes font as a font pixel file at path: header, info, code table (if any), pixels.
// The old file at path stays untouched unless every byte of the new one was written.
PixWriteResult writePixFile(const std::string& path, const FontLib& font);

} // namespace tessellon
