// Feeds arbitrary bytes to the BDF reader, with the font's own cell and with a small cell at
// an offset that cuts glyphs. Whatever it accepts must be a consistent font, and that font
// written as BDF and read back must be the same font, bit for bit and code for code.
#include "document/ByteSource.h"
#include "formats/BdfReader.h"
#include "formats/BdfWriter.h"

#include <cstdlib>

namespace {

using namespace tessellon;

Result<FontLib> readBytes(std::span<const std::uint8_t> bytes, const FontFileOptions& options)
{
    MemoryByteSource source(bytes);
    ReadNotes notes;
    Result<FontLib> font = readBdf(source, options, notes);
    if (!font ? font.message().empty() : !font->isConsistent()) {
        std::abort();
    }
    return font;
}

void checkWrittenAndReadBack(const FontLib& font)
{
    const Result<std::string> text = formatBdf(font, "fuzz", {});
    if (!text) {
        std::abort();
    }
    const Result<FontLib> back
        = readBytes({ reinterpret_cast<const std::uint8_t*>(text->data()), text->size() }, {});
    if (!back || back->info != font.info || back->pixelData != font.pixelData
        || back->codeTable != font.codeTable) {
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::span<const std::uint8_t> bytes(data, size);
    const Result<FontLib> font = readBytes(bytes, {});
    if (font && font->info.glyphCount > 0) {
        checkWrittenAndReadBack(*font);
    }
    FontFileOptions small;
    small.cell = GlyphSize { 5, 7 };
    small.offset = CellOffset { -1, 2 };
    (void)readBytes(bytes, small);
    return 0;
}
