// Feeds arbitrary bytes to the glyph exchange's picture reader, as a picture file or the
// clipboard's bytes, and pastes whatever it accepts into a small font, once where the block
// runs past column 31 and past the last glyph. The reader either gives a picture within the
// exchange's limit or a reason; a paste changes only glyphs of the font, each into what its
// tile shows, leaves the codes alone, and is undone exactly by the change it gives back.
#include "document/FontDocument.h"
#include "editor/ExchangePicture.h"
#include "editor/GlyphExchange.h"

#include <QByteArray>

#include <cstdlib>

namespace {

using namespace tessellon;

constexpr int glyphWidth = 5;
constexpr int glyphHeight = 7;
constexpr std::uint32_t glyphCount = 70;

FontLib patternedFont()
{
    FontLib font = FontLib::blank(glyphWidth, glyphHeight, glyphCount, true);
    for (std::size_t i = 0; i < font.pixelData.size(); ++i) {
        font.pixelData[i] = static_cast<std::uint8_t>((i * 37) & 0xF8);
    }
    for (std::uint32_t i = 0; i < glyphCount; ++i) {
        (*font.codeTable)[i] = static_cast<std::uint16_t>(0x41 + i);
    }
    return font;
}

void checkPaste(const QImage& picture, const GridRect& cells)
{
    FontDocument document;
    document.takeFont(patternedFont());
    const FontLib before = document.fontLib();
    const TileBlock block = pasteBlockOf(document.fontLib(), cells, picture);
    auto undo = document.replaceGlyphs(pasteChange(document.fontLib(), block, picture));
    if (!undo || document.fontLib().codeTable != before.codeTable) {
        std::abort();
    }
    for (const GlyphTile& tile : walkTiles(block, glyphCount)) {
        for (int y = 0; y < glyphHeight; ++y) {
            for (int x = 0; x < glyphWidth; ++x) {
                const bool ink = (picture.pixel(tile.x0 + x, tile.y0 + y) & 0xFFFFFF) == 0;
                if (document.fontLib().pixel(tile.index, x, y) != ink) {
                    std::abort();
                }
            }
        }
    }
    if (!document.replaceGlyphs(*undo) || document.fontLib().pixelData != before.pixelData) {
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(
        reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const Result<QImage> picture = readExchangePicture(bytes);
    if (!picture) {
        if (picture.message().empty()) {
            std::abort();
        }
        return 0;
    }
    const std::uint64_t pixels = std::uint64_t(picture->width()) * std::uint64_t(picture->height());
    if (picture->format() != QImage::Format_RGB32 || pixels > maxExchangePixels) {
        std::abort();
    }
    checkPaste(*picture, { 30, 1, 30, 1 });
    checkPaste(*picture, { 3, 2, 3, 2 });
    return 0;
}
