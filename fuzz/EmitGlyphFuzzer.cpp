// Reads arbitrary bytes as a .pix file and, when the reader accepts them, lays the first,
// middle and last glyphs and some indices outside the font out in all six item forms. No
// item may be longer than the buffer, and an index outside the font must give nothing.
#include "document/PixReader.h"
#include "export/EmitGlyph.h"
#include "script/ScriptLimits.h"

#include <cstdlib>
#include <vector>

namespace {

void emitAllForms(const tessellon::ExportSource& source, std::vector<std::uint8_t>& buffer,
    std::uint32_t index, bool inside)
{
    for (int form = 0; form < 6; ++form) {
        const int zip = form == 1 || form == 3;
        const int bin = form == 2 || form == 3 || form == 5;
        const int col = form >= 4;
        const std::int32_t count = tessellon::EmitGlyph(source, buffer, index, zip, bin, col);
        if (count < 0 || static_cast<std::size_t>(count) > buffer.size()
            || (!inside && count != 0)) {
            std::abort();
        }
    }
    const std::uint16_t code = tessellon::GetGlyphCode(source, index);
    if (!inside && code != 0) {
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    tessellon::MemoryByteSource bytes({ data, size });
    const tessellon::Result<tessellon::FontLib> result = tessellon::readPix(bytes);
    if (!result.ok()) {
        return 0;
    }
    const tessellon::ExportSource source = tessellon::makeExportSource("fuzz.c", *result);
    std::vector<std::uint8_t> buffer(tessellon::itemBufferSize);
    const std::uint32_t count = result->info.glyphCount;
    if (count > 0) {
        emitAllForms(source, buffer, 0, true);
        emitAllForms(source, buffer, count / 2, true);
        emitAllForms(source, buffer, count - 1, true);
    }
    emitAllForms(source, buffer, count, false);
    emitAllForms(source, buffer, 0xFFFFFFFFu, false);
    return 0;
}
