#pragma once

#include "document/FontLib.h"
#include "document/Result.h"
#include "formats/FontFileFormats.h"

#include <string>

namespace tessellon {

// Picture sheets (PictureSheet.h) as picture files, through options.pictures (PictureCodec.h);
// without a codec they are refused.

// Reads the picture at path (PNG, BMP, PBM, GIF...: its content decides) as a sheet of cells
// of options.cell. The picture's size is read first: pictures beyond the sheet limits are
// refused before they are decoded. Transparent pixels are background. Failures name the
// file and the reason.
Result<FontLib> readPictureSheetFile(const std::string& path, const FontFileOptions& options);

// Writes the sheet of font in options.columns columns as a PNG or BMP file, by the name's
// extension; the old file stays untouched unless the new one was written in full.
Status writePictureSheetFile(
    const std::string& path, const FontLib& font, const FontFileOptions& options);

} // namespace tessellon
