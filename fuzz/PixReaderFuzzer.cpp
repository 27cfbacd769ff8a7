// Feeds arbitrary bytes to the .pix reader. Whatever it accepts must be a consistent font
// that the glyph operations can walk without leaving its arrays, and a change of glyphs
// applied through the document must be undone exactly by the change it gives back.
#include "document/FontDocument.h"
#include "document/MemoryImage.h"
#include "document/PixReader.h"
#include "editor/EditorState.h"

#include <cstdlib>

namespace {

void checkChangeAndUndo(tessellon::FontDocument& document)
{
    const std::uint32_t count = document.fontLib().info.glyphCount;
    tessellon::MemoryImage image(2 * document.glyphWidth(), document.glyphHeight());
    document.DrawGlyph(image, 0, 0, count - 1);
    document.DrawGlyph(image, document.glyphWidth(), 0, 0, tessellon::yellow);
    const tessellon::GlyphTile tiles[] = { { 0, 0, count / 2 }, { document.glyphWidth(), 0, 0 },
        { 1, 1, count / 2 + 1 }, { 0, 0, count } };
    const tessellon::FontLib before = document.fontLib();
    auto undo = document.replaceGlyphs(changeFromImage(document.fontLib(), image, tiles));
    if (!undo || !document.replaceGlyphs(*undo)
        || document.fontLib().pixelData != before.pixelData) {
        std::abort();
    }
}

} // namespace

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
    document.takeFont(std::move(result).value());
    if (!document.fontLib().isConsistent()) {
        std::abort();
    }
    const std::uint32_t count = document.fontLib().info.glyphCount;
    if (count > 0) {
        checkChangeAndUndo(document);
        tessellon::EditorState editor(document);
        editor.LoadEditBuffer(count - 1);
        (void)document.replaceGlyphs(editor.editBufferChange(0));
        const tessellon::GlyphTile tile { 0, 0, count / 2 };
        (void)document.replaceGlyphs(
            changeFromImage(document.fontLib(), tessellon::MemoryImage(1, 1), std::span(&tile, 1)));
    }
    return 0;
}
