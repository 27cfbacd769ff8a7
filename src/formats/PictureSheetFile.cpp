#include "formats/PictureSheetFile.h"

#include "formats/PictureCodec.h"
#include "formats/PictureSheet.h"

namespace tessellon {

namespace {

    // A picture file larger than this is not read; the largest sheet a font gives as a
    // 24-bit BMP stays below it.
    constexpr std::uint64_t maxPictureFileBytes = 256ull << 20;
    // The largest sheet at 32 bits a pixel.
    constexpr int decodedMiB = 256;

    // The colours a sheet is drawn in.
    constexpr Rgb sheetColours[] = { black, white, sheetFillerGrey };

    // "Cannot read PATH: why", unless the message names the file already.
    std::string aboutPicture(const std::string& path, const std::string& message)
    {
        return message.find(path) != std::string::npos ? message
                                                       : "Cannot read " + path + ": " + message;
    }

} // namespace

Result<FontLib> readPictureSheetFile(const std::string& path, const FontFileOptions& options)
{
    if (!options.pictures) {
        return failure("Cannot read " + path + ": picture sheets are read only where pictures "
            + "can be decoded (the editor, or the drawing part of tessellon-cli)");
    }
    const Result<std::unique_ptr<const RgbImage>> picture = options.pictures->readPicture(path,
        maxPictureFileBytes,
        { [](int width, int height) { return checkSheetPictureSize(width, height); }, decodedMiB });
    if (!picture) {
        return failure(aboutPicture(path, picture.message()));
    }
    Result<FontLib> font = readPictureSheet(**picture, options);
    if (!font) {
        return failure("Cannot read " + path + " as a picture sheet: " + font.message());
    }
    return font;
}

Status writePictureSheetFile(
    const std::string& path, const FontLib& font, const FontFileOptions& options)
{
    const Result<GlyphSize> size = sheetSizeFor(font, options.columns);
    if (!size) {
        return failure("Cannot save " + path + ": " + size.message());
    }
    if (!options.pictures) {
        return failure("Cannot save " + path + ": picture sheets are written only where "
            + "pictures can be encoded (the editor, or the drawing part of tessellon-cli)");
    }
    return options.pictures->writePicture(
        path, size->width, size->height, sheetColours,
        [&](RgbImage& picture) { drawPictureSheet(font, options.columns, picture); }, options.stop);
}

} // namespace tessellon
