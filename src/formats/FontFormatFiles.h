#pragma once

#include "document/FontFileFormats.h"
#include "document/FontLib.h"
#include "document/Result.h"

#include <string>

namespace tessellon {

// Fonts in and out of files of the formats the core reads and writes itself (the rows of the
// format table), chosen by the file name's extension. Picture sheets need Qt's picture
// codecs and are left to FontImport.h, but the messages for a name of no known format list
// their extensions too, as they list every extension the program takes.

// Reads the font in path; what the reader left out goes to notes. A name of no format the
// table can read is refused with the extensions that can be read.
Result<FontLib> importFormatFile(
    const std::string& path, const FontFileOptions& options, ReadNotes& notes);

// Writes font to path in the format its name gives; a name of no format the table can write
// is refused with the extensions that can be written.
Status exportFormatFile(
    const std::string& path, const FontLib& font, const FontFileOptions& options);

} // namespace tessellon
