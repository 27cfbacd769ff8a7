#pragma once

#include "document/ByteSource.h"
#include "document/FontLib.h"
#include "document/Result.h"

#include <string>

namespace tessellon {

// Reads a font pixel file. Every section is reached through its offset and checked
// against the real size of the file before anything is allocated or read. A file whose
// first two bytes are not 'F' 'T' fails with exactly pix::notFontPixelFileMessage, of kind
// NotThisFormat. The baseline is read from the header's reserved field; a file without one
// (or with one outside the cell) gives a font whose baseline is unknown.
Result<FontLib> readPixFile(const std::string& path);
Result<FontLib> readPix(ByteSource& source);

} // namespace tessellon
