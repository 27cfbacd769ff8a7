// Feeds arbitrary bytes to the .pix reader. Whatever it accepts must be a consistent font
// that the glyph operations can walk without leaving its arrays.
#include "document/FontDocument.h"
#include "document/MemoryImage.h"
#include "document/PixReader.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    tessellon::MemoryByteSource source({ data, size });
    tessellon::Result<tessellon::FontLib> result = tessellon::readPix(source);
    if (!result) {
        if (result.message().empty()) {
            std::abort();
        }
        return 0;
    }
    tessellon::FontDocument document;
    document.fontLib = std::move(result).value();
    if (!document.fontLib.isConsistent()) {
        std::abort();
    }
    const std::uint32_t count = document.fontLib.info.glyphCount;
    if (count > 0) {
        tessellon::MemoryImage image(document.glyphWidth(), document.glyphHeight());
        document.DrawGlyph(image, 0, 0, count - 1);
        document.LoadEditBuffer(count - 1);
        document.StoreEditBuffer(0);
        document.ReadGlyph(image, 0, 0, count / 2);
    }
    return 0;
}
