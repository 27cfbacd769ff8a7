#include "formats/FontFileFormats.h"

#include "document/PixReader.h"
#include "document/PixWriter.h"
#include "formats/BdfReader.h"
#include "formats/BdfWriter.h"
#include "formats/HexReader.h"
#include "formats/PictureSheet.h"
#include "formats/PictureSheetFile.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace tessellon {

namespace {

    const std::vector<FontFileFormat>& formatTable()
    {
        static const std::vector<FontFileFormat> formats {
            { "Font pixel file", { ".pix" },
                [](ByteSource& source, const FontFileOptions&, ReadNotes&) {
                    return readPix(source);
                },
                [](const std::string& path, const FontLib& font, const FontFileOptions& options) {
                    return writePixFile(path, font, options.stop);
                } },
            { "BDF font", { ".bdf" }, readBdf, writeBdfFile, FontFileUse::ImportAndExport },
            { "Unifont hex file", { ".hex" }, readUnifontHex, nullptr,
                FontFileUse::ImportAndExport },
            { .description = pictureSheetDescription,
                .extensions = pictureSheetReadExtensions(),
                .write = writePictureSheetFile,
                .use = FontFileUse::ImportAndExport,
                .readFile = readPictureSheetFile,
                .writtenExtensions = pictureSheetWriteExtensions(),
                .filterName = std::string(pictureSheetDescription) + "s",
                .needsPictureCodec = true },
        };
        return formats;
    }

    std::string patternsOf(const std::vector<std::string>& extensions)
    {
        std::string patterns;
        for (const std::string& extension : extensions) {
            patterns += (patterns.empty() ? "*" : ";*") + extension;
        }
        return patterns;
    }

    std::string filterEntry(
        const std::string& description, const std::vector<std::string>& extensions)
    {
        const std::string patterns = patternsOf(extensions);
        return description + " (" + patterns + ")|" + patterns;
    }

    bool contains(const std::vector<std::string>& extensions, const std::string& extension)
    {
        return std::find(extensions.begin(), extensions.end(), extension) != extensions.end();
    }

    // The format that writes files of the name's extension; null for none.
    const FontFileFormat* writerNamed(const std::string& path)
    {
        const std::string extension = lowerCaseExtension(path);
        for (const FontFileFormat& format : formatTable()) {
            if (contains(format.extensionsWritten(), extension)) {
                return &format;
            }
        }
        return nullptr;
    }

    // "a, b, c or d": the extensions of the files that can be read, or written.
    std::string extensionList(bool reading)
    {
        std::vector<std::string> extensions;
        for (const FontFileFormat& format : formatTable()) {
            if (reading && !format.canRead()) {
                continue;
            }
            const auto& own = reading ? format.extensions : format.extensionsWritten();
            extensions.insert(extensions.end(), own.begin(), own.end());
        }
        std::string list;
        for (std::size_t i = 0; i < extensions.size(); ++i) {
            list += (i == 0 ? "" : i + 1 == extensions.size() ? " or " : ", ") + extensions[i];
        }
        return list;
    }

    const std::vector<std::string> noExtensions;

    constexpr const char* allFiles = "All files (*.*)|*.*";

} // namespace

const std::vector<std::string>& FontFileFormat::extensionsWritten() const
{
    if (!canWrite()) {
        return noExtensions;
    }
    return writtenExtensions.empty() ? extensions : writtenExtensions;
}

std::span<const FontFileFormat> fontFileFormats() { return formatTable(); }

const FontFileFormat& pixFileFormat() { return formatTable().front(); }

const FontFileFormat& bdfFileFormat() { return *fontFileFormatNamed("font.bdf"); }

const FontFileFormat& pictureSheetFormat() { return formatTable().back(); }

const FontFileFormat& fontFileFormatFor(const std::string& path)
{
    const FontFileFormat* format = fontFileFormatNamed(path);
    return format && format->use == FontFileUse::OpenAndSave ? *format : pixFileFormat();
}

const FontFileFormat* fontFileFormatNamed(const std::string& path)
{
    const std::string extension = lowerCaseExtension(path);
    for (const FontFileFormat& format : formatTable()) {
        if (contains(format.extensions, extension)) {
            return &format;
        }
    }
    return nullptr;
}

Result<FontLib> readFontFile(const std::string& path, const FontFileOptions& options)
{
    ReadNotes notes;
    return readFontFileAs(fontFileFormatFor(path), path, options, notes);
}

Status writeFontFile(const std::string& path, const FontLib& font, const FontFileOptions& options)
{
    return writeFontFileAs(fontFileFormatFor(path), path, font, options);
}

Result<FontLib> readFontFileAs(const FontFileFormat& format, const std::string& path,
    const FontFileOptions& options, ReadNotes& notes)
{
    if (!format.canRead()) {
        return failure("Cannot open file " + path + ": " + format.description
            + "s can be written but not read");
    }
    if (format.readFile) {
        return format.readFile(path, options);
    }
    auto source = openFileForReading(path);
    if (!source) {
        return failure(source.message());
    }
    Result<FontLib> font = format.read(**source, options, notes);
    if (!font && format.use == FontFileUse::ImportAndExport) {
        return failure(
            "Cannot read " + path + " as a " + format.description + ": " + font.message());
    }
    return font;
}

Status writeFontFileAs(const FontFileFormat& format, const std::string& path, const FontLib& font,
    const FontFileOptions& options)
{
    if (!format.canWrite()) {
        return failure(
            "Cannot save " + path + ": " + format.description + "s can be read but not written");
    }
    return format.write(path, font, options);
}

std::string lowerCaseExtension(const std::string& path)
{
    std::string extension = std::filesystem::path(path).filename().extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
        [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension;
}

std::string fontFileFilter(const FontFileFormat& format)
{
    return filterEntry(
        format.filterName.empty() ? format.description : format.filterName, format.extensions);
}

std::string fontOpenFilter()
{
    std::string filter;
    for (const FontFileFormat& format : formatTable()) {
        if (format.canRead() && format.use == FontFileUse::OpenAndSave) {
            filter += fontFileFilter(format) + "|";
        }
    }
    return filter + allFiles;
}

std::string fontImportFilter()
{
    std::string filter;
    for (const FontFileFormat& format : formatTable()) {
        if (format.canRead() && format.use == FontFileUse::ImportAndExport) {
            filter += fontFileFilter(format) + "|";
        }
    }
    return filter + allFiles;
}

Result<FontLib> importFontFile(
    const std::string& path, const FontFileOptions& options, ReadNotes& notes)
{
    const FontFileFormat* format = fontFileFormatNamed(path);
    if (!format || !format->canRead()) {
        return failure("cannot tell the format of " + path + " from its name; files ending in "
            + extensionList(true) + " are read");
    }
    return readFontFileAs(*format, path, options, notes);
}

Status exportFontFile(const std::string& path, const FontLib& font, const FontFileOptions& options)
{
    const FontFileFormat* format = writerNamed(path);
    if (!format) {
        return failure("cannot tell the format to write " + path
            + " in from its name; files ending in " + extensionList(false) + " are written");
    }
    return writeFontFileAs(*format, path, font, options);
}

} // namespace tessellon
