#include "cli/CommandFontFiles.h"

#include "cli/DrawingModule.h"

namespace tessellon::cli {

Result<FontFileOptions> CommandFontFiles::withCodec(
    const FontFileFormat* format, FontFileOptions options)
{
    if (!format || !format->needsPictureCodec) {
        return options;
    }
    if (!m_pictures) {
        Result<std::unique_ptr<PictureCodec>> loaded = loadPictureCodec();
        if (!loaded) {
            return failure(loaded.message());
        }
        m_pictures = std::move(*loaded);
    }
    options.pictures = m_pictures.get();
    return options;
}

Result<FontLib> CommandFontFiles::read(
    const std::string& path, const FontFileOptions& options, ReadNotes& notes)
{
    const Result<FontFileOptions> usable = withCodec(fontFileFormatNamed(path), options);
    if (!usable) {
        return failure(usable.message());
    }
    return importFontFile(path, *usable, notes);
}

Status CommandFontFiles::write(
    const std::string& path, const FontLib& font, const FontFileOptions& options)
{
    const Result<FontFileOptions> usable = withCodec(fontFileFormatNamed(path), options);
    if (!usable) {
        return failure(usable.message());
    }
    return exportFontFile(path, font, *usable);
}

const FontFileFormat& CommandFontFiles::formatOf(const std::string& path)
{
    const FontFileFormat* named = fontFileFormatNamed(path);
    return named ? *named : pixFileFormat();
}

Result<FontLib> CommandFontFiles::readFont(const std::string& path, ReadNotes& notes)
{
    const FontFileFormat& format = formatOf(path);
    const Result<FontFileOptions> usable = withCodec(&format, {});
    if (!usable) {
        return failure(usable.message());
    }
    return readFontFileAs(format, path, *usable, notes);
}

} // namespace tessellon::cli
