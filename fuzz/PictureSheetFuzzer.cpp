// Reads arbitrary pictures as picture sheets. The first bytes give the picture's size, the
// cell size and the first code; every byte after them is one pixel (0 black, 1 white, 2 the
// filler grey, others a grey of that value). Whatever the reader accepts must be a
// consistent font, and its sheet, drawn and read again, must give the same font.
#include "document/MemoryImage.h"
#include "formats/PictureSheet.h"

#include <cstdlib>

namespace {

using namespace tessellon;

constexpr std::size_t headerBytes = 5;

Rgb colourOf(std::uint8_t value)
{
    switch (value) {
    case 0:
        return black;
    case 1:
        return white;
    case 2:
        return sheetFillerGrey;
    default:
        return { value, value, value };
    }
}

MemoryImage pictureOf(const std::uint8_t* data, std::size_t size)
{
    const int width = data[0] % 64 + 1;
    const int height = data[1] % 64 + 1;
    MemoryImage image(width, height, white);
    std::size_t at = headerBytes;
    for (int y = 0; y < height && at < size; ++y) {
        for (int x = 0; x < width && at < size; ++x) {
            image.setPixel(x, y, colourOf(data[at++]));
        }
    }
    return image;
}

void checkSheetOfFont(const FontLib& font, const FontFileOptions& options)
{
    const int columns = 1 + static_cast<int>(font.info.glyphCount % 7);
    const Result<GlyphSize> size = sheetSizeFor(font, columns);
    if (!size) {
        std::abort();
    }
    MemoryImage sheet(size->width, size->height);
    drawPictureSheet(font, columns, sheet);
    const Result<FontLib> back = readPictureSheet(sheet, options);
    if (!back || back->pixelData != font.pixelData || back->codeTable != font.codeTable) {
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < headerBytes) {
        return 0;
    }
    const MemoryImage picture = pictureOf(data, size);
    FontFileOptions options;
    options.cell = GlyphSize { data[2] % 20, data[3] % 20 };
    if (data[4] & 1) {
        options.firstCode = static_cast<std::uint16_t>(data[4] << 8 | data[4]);
    }
    const Result<FontLib> font = readPictureSheet(picture, options);
    if (!font) {
        if (font.message().empty()) {
            std::abort();
        }
        return 0;
    }
    if (!font->isConsistent()) {
        std::abort();
    }
    if (font->info.glyphCount > 0) {
        checkSheetOfFont(*font, options);
    }
    return 0;
}
