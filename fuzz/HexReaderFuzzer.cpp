// Feeds arbitrary bytes to the Unifont .hex reader, with the file's own cell and with a cell
// that cuts the glyphs. Whatever it accepts must be a consistent font of 8 x 16 or 16 x 16
// glyphs (or of the cell asked for) with a code for every glyph.
#include "document/ByteSource.h"
#include "formats/HexReader.h"

#include <cstdlib>

namespace {

using namespace tessellon;

void readAndCheck(std::span<const std::uint8_t> bytes, const FontFileOptions& options)
{
    MemoryByteSource source(bytes);
    ReadNotes notes;
    const Result<FontLib> font = readUnifontHex(source, options, notes);
    if (!font) {
        if (font.message().empty()) {
            std::abort();
        }
        return;
    }
    const FontLibInfo& info = font->info;
    const bool ownCell = info.glyphHeight == 16 && (info.glyphWidth == 8 || info.glyphWidth == 16);
    const bool askedCell = options.cell && info.glyphWidth == options.cell->width
        && info.glyphHeight == options.cell->height;
    if (!font->isConsistent() || !font->codeTable || !(options.cell ? askedCell : ownCell)) {
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::span<const std::uint8_t> bytes(data, size);
    readAndCheck(bytes, {});
    FontFileOptions cut;
    cut.cell = GlyphSize { 7, 9 };
    cut.offset = CellOffset { -3, -5 };
    readAndCheck(bytes, cut);
    return 0;
}
