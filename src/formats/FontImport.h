#pragma once

#include "document/FontFileFormats.h"
#include "document/FontLib.h"
#include "document/Result.h"

#include <string>

namespace tessellon {

// Fonts in and out of files of every format the program knows, chosen by the file name's
// extension: the rows of the format table that can read or write it, and picture sheets
// through Qt's picture codecs (which need a QGuiApplication). Import and the command line's
// convert go through here.

// Reads the font in path; what the reader left out goes to notes. A name of no known format
// is refused with the extensions that can be read.
Result<FontLib> importFontFile(
    const std::string& path, const FontFileOptions& options, ReadNotes& notes);

// Writes font to path in the format its name gives; a name of no format that can be written
// is refused with the extensions that can.
Status exportFontFile(const std::string& path, const FontLib& font, const FontFileOptions& options);

} // namespace tessellon
