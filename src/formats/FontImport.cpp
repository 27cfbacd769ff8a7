#include "formats/FontImport.h"

#include "formats/FontFormatFiles.h"
#include "formats/PictureSheet.h"
#include "formats/PictureSheetFile.h"

namespace tessellon {

Result<FontLib> importFontFile(
    const std::string& path, const FontFileOptions& options, ReadNotes& notes)
{
    if (isPictureSheetName(path)) {
        return readPictureSheetFile(path, options);
    }
    return importFormatFile(path, options, notes);
}

Status exportFontFile(const std::string& path, const FontLib& font, const FontFileOptions& options)
{
    if (isWritablePictureSheetName(path)) {
        return writePictureSheetFile(path, font, options);
    }
    return exportFormatFile(path, font, options);
}

} // namespace tessellon
