#include "document/FontFileFormats.h"

#include "document/PixReader.h"
#include "document/PixWriter.h"
#include "formats/BdfReader.h"
#include "formats/BdfWriter.h"
#include "formats/HexReader.h"
#include "formats/PictureSheet.h"

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

    bool hasExtension(const FontFileFormat& format, const std::string& extension)
    {
        return std::find(format.extensions.begin(), format.extensions.end(), extension)
            != format.extensions.end();
    }

    constexpr const char* allFiles = "All files (*.*)|*.*";

} // namespace

std::span<const FontFileFormat> fontFileFormats() { return formatTable(); }

const FontFileFormat& pixFileFormat() { return formatTable().front(); }

const FontFileFormat& bdfFileFormat() { return *fontFileFormatNamed("font.bdf"); }

const FontFileFormat& fontFileFormatFor(const std::string& path)
{
    const FontFileFormat* format = fontFileFormatNamed(path);
    return format && format->use == FontFileUse::OpenAndSave ? *format : pixFileFormat();
}

const FontFileFormat* fontFileFormatNamed(const std::string& path)
{
    const std::string extension = lowerCaseExtension(path);
    for (const FontFileFormat& format : formatTable()) {
        if (hasExtension(format, extension)) {
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
    return filterEntry(format.description, format.extensions);
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
    return filter
        + filterEntry(std::string(pictureSheetDescription) + "s", pictureSheetReadExtensions())
        + "|" + allFiles;
}

} // namespace tessellon
