#include "document/FontFileFormats.h"

#include "document/PixReader.h"
#include "document/PixWriter.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace tessellon {

namespace {

    const std::vector<FontFileFormat>& formatTable()
    {
        static const std::vector<FontFileFormat> formats {
            { "Font pixel file", { ".pix" },
                [](ByteSource& source, const FontFileOptions&) { return readPix(source); },
                [](const std::string& path, const FontLib& font, const FontFileOptions&) {
                    return writePixFile(path, font);
                } },
        };
        return formats;
    }

    std::string lowerCase(std::string text)
    {
        std::transform(text.begin(), text.end(), text.begin(),
            [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        return text;
    }

    std::string patternsOf(const FontFileFormat& format)
    {
        std::string patterns;
        for (const std::string& extension : format.extensions) {
            patterns += (patterns.empty() ? "*" : ";*") + extension;
        }
        return patterns;
    }

} // namespace

std::span<const FontFileFormat> fontFileFormats() { return formatTable(); }

const FontFileFormat& pixFileFormat() { return formatTable().front(); }

const FontFileFormat& fontFileFormatFor(const std::string& path)
{
    const std::string extension
        = lowerCase(std::filesystem::path(path).filename().extension().string());
    for (const FontFileFormat& format : formatTable()) {
        if (std::find(format.extensions.begin(), format.extensions.end(), extension)
            != format.extensions.end()) {
            return format;
        }
    }
    return pixFileFormat();
}

Result<FontLib> readFontFile(const std::string& path, const FontFileOptions& options)
{
    const FontFileFormat& format = fontFileFormatFor(path);
    if (!format.canRead()) {
        return failure("Cannot open file " + path + ": " + format.description
            + "s can be written but not read");
    }
    auto source = openFileForReading(path);
    if (!source) {
        return failure(source.message());
    }
    return format.read(**source, options);
}

Status writeFontFile(const std::string& path, const FontLib& font, const FontFileOptions& options)
{
    const FontFileFormat& format = fontFileFormatFor(path);
    if (!format.canWrite()) {
        return failure(
            "Cannot save " + path + ": " + format.description + "s can be read but not written");
    }
    return format.write(path, font, options);
}

std::string fontFileFilter(const FontFileFormat& format)
{
    const std::string patterns = patternsOf(format);
    return format.description + " (" + patterns + ")|" + patterns;
}

std::string fontOpenFilter()
{
    std::string filter;
    for (const FontFileFormat& format : formatTable()) {
        if (format.canRead()) {
            filter += fontFileFilter(format) + "|";
        }
    }
    return filter + "All files (*.*)|*.*";
}

} // namespace tessellon
