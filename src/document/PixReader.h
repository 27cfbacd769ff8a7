#pragma once

#include "document/ByteSource.h"
#include "document/FontLib.h"

#include <string>

namespace tessellon {

enum class PixReadStatus {
    Ok,
    CannotOpen, // the file could not be opened for reading
    NotFontPixelFile, // the first two bytes are not 'F' 'T'
    Damaged, // a section lies outside the file, or the file ends inside its header
    Unsupported, // a glyph size the program does not handle
};

struct PixReadResult {
    PixReadStatus status = PixReadStatus::Ok;
    std::string message; // empty on success
    FontLib font;

    bool ok() const { return status == PixReadStatus::Ok; }
};

// Reads a font pixel file. Every section is reached through its offset and checked
// against the real size of the file before anything is allocated or read.
PixReadResult readPixFile(const std::string& path);
PixReadResult readPix(ByteSource& source);

} // namespace tessellon
