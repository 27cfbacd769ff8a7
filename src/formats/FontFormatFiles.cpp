#include "formats/FontFormatFiles.h"

#include "formats/PictureSheet.h"

#include <vector>

namespace tessellon {

namespace {

    // "a, b, c or d": the extensions of the formats that can be read, or written.
    std::string extensionList(bool reading)
    {
        std::vector<std::string> extensions;
        for (const FontFileFormat& format : fontFileFormats()) {
            if (reading ? format.canRead() : format.canWrite()) {
                extensions.push_back(format.extensions.front());
            }
        }
        const auto& pictures
            = reading ? pictureSheetReadExtensions() : pictureSheetWriteExtensions();
        extensions.insert(extensions.end(), pictures.begin(), pictures.end());
        std::string list;
        for (std::size_t i = 0; i < extensions.size(); ++i) {
            list += (i == 0 ? "" : i + 1 == extensions.size() ? " or " : ", ") + extensions[i];
        }
        return list;
    }

} // namespace

Result<FontLib> importFormatFile(
    const std::string& path, const FontFileOptions& options, ReadNotes& notes)
{
    const FontFileFormat* format = fontFileFormatNamed(path);
    if (!format || !format->canRead()) {
        return failure("cannot tell the format of " + path + " from its name; files ending in "
            + extensionList(true) + " are read");
    }
    return readFontFileAs(*format, path, options, notes);
}

Status exportFormatFile(
    const std::string& path, const FontLib& font, const FontFileOptions& options)
{
    const FontFileFormat* format = fontFileFormatNamed(path);
    if (!format || !format->canWrite()) {
        return failure("cannot tell the format to write " + path
            + " in from its name; files ending in " + extensionList(false) + " are written");
    }
    return writeFontFileAs(*format, path, font, options);
}

} // namespace tessellon
