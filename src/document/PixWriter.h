#pragma once

#include "document/FontLib.h"
#include "document/Result.h"

#include <stop_token>
#include <string>

namespace tessellon {

// The info record as it is saved: codeTableFlag says whether a code table follows,
// reserved is 0.
FontLibInfo infoForSaving(const FontLib& font);

// Writes font as a font pixel file at path: header (with the baseline, when the font knows
// it, in the header's reserved field), info, code table (if any), pixels.
// The old file at path stays untouched unless every byte of the new one was written; a
// failure's message names the file and the reason. Once stop is requested the write stops
// and fails, and the old file stays.
Status writePixFile(const std::string& path, const FontLib& font, std::stop_token stop = {});

} // namespace tessellon
