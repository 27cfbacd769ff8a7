#pragma once

#include "cli/ConvertCommand.h"
#include "formats/FontFileFormats.h"
#include "formats/PictureCodec.h"

#include <memory>
#include <string>

namespace tessellon::cli {

// Fonts in and out of files for the commands, through the format registry. The picture
// codec that picture sheets need comes from the drawing module, loaded the first time a
// sheet is read or written, so that the other formats are read without Qt.
class CommandFontFiles final : public FontFileAccess {
public:
    // convert: the format the name gives; a name of none is refused.
    Result<FontLib> read(
        const std::string& path, const FontFileOptions& options, ReadNotes& notes) override;
    Status write(
        const std::string& path, const FontLib& font, const FontFileOptions& options) override;

    // info and export: the format the name gives, the font pixel file for a name of none
    // (as fonts of any name have always been read).
    Result<FontLib> readFont(const std::string& path, ReadNotes& notes);
    static const FontFileFormat& formatOf(const std::string& path);

private:
    Result<FontFileOptions> withCodec(const FontFileFormat* format, FontFileOptions options);

    std::unique_ptr<PictureCodec> m_pictures;
};

} // namespace tessellon::cli
