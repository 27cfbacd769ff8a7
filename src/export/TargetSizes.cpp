#include "export/TargetSizes.h"

#include "export/TargetLayouts.h"

#include <algorithm>

namespace tessellon {

namespace {

    std::uint64_t inkPixelBytes(const TargetFont& font, std::uint32_t first, std::uint32_t end)
    {
        std::uint64_t bytes = 0;
        for (std::uint32_t k = first; k < end; ++k) {
            bytes += inkBytes(font.ink(font.order.glyphs[k]));
        }
        return bytes;
    }

    std::uint32_t glyphCount(const TargetFont& font)
    {
        return static_cast<std::uint32_t>(font.order.size());
    }

    // Fixed cells of glyphBytes each with a code table, advances when proportional, and
    // perGlyph bytes more (a pointer table) and one struct.
    ExportSize fixedCellSize(
        const TargetFont& font, std::size_t glyphBytes, std::uint64_t perGlyph, int structBytes)
    {
        const std::uint64_t n = glyphCount(font);
        const std::uint64_t advances = font.choices.advance.proportional ? 2 * n : 0;
        return { glyphCount(font), n * glyphBytes,
            2 * n + advances + perGlyph * n + static_cast<std::uint64_t>(structBytes) };
    }

} // namespace

ExportSize gfxSize(const TargetFont& font)
{
    ExportSize size { glyphCount(font), inkPixelBytes(font, 0, glyphCount(font)), 0 };
    for (std::size_t run = 0; run < font.runCount(); ++run) {
        const std::uint16_t first = font.order.codes[font.runStarts[run]];
        const std::uint16_t last = font.order.codes[font.runEnd(run) - 1];
        size.tableBytes
            += static_cast<std::uint64_t>(last - first + 1) * gfxGlyphBytes + gfxFontBytes;
    }
    if (font.runCount() > 1) {
        size.tableBytes += (font.runCount() + 1) * pointerBytes; // the table of the runs
    }
    return size;
}

ExportSize lvglSize(const TargetFont& font)
{
    const std::uint64_t n = glyphCount(font);
    ExportSize size { glyphCount(font), inkPixelBytes(font, 0, glyphCount(font)), 0 };
    size.tableBytes = (n + 1) * lvglGlyphBytes + lvglDscBytes + lvglFontBytes;
    for (std::size_t run = 0; run < font.runCount(); ++run) {
        const std::uint32_t codes = font.runEnd(run) - font.runStarts[run];
        const int span
            = font.order.codes[font.runEnd(run) - 1] - font.order.codes[font.runStarts[run]] + 1;
        const bool sparse = static_cast<std::uint32_t>(span) > codes;
        size.tableBytes += lvglCmapBytes + (sparse ? 2ull * codes : 0);
    }
    return size;
}

ExportSize pagesSize(const TargetFont& font)
{
    const FontLibInfo& info = font.font->info;
    return fixedCellSize(font, pageBytes(info.glyphWidth, info.glyphHeight), 0, fixedFontBytes);
}

ExportSize rowsSize(const TargetFont& font)
{
    const FontLibInfo& info = font.font->info;
    return fixedCellSize(font, rowBytes(info.glyphWidth, info.glyphHeight), 0, fixedFontBytes);
}

ExportSize tessellonSize(const TargetFont& font)
{
    return fixedCellSize(font, font.font->glyphBytes(), pointerBytes, tessellonFontBytes);
}

ExportSize encodedSize(const TargetFont& font)
{
    const std::uint64_t total = font.encoded.bytes.size();
    const std::uint64_t pixels = std::min<std::uint64_t>(font.encoded.pixelBytes, total);
    return { glyphCount(font), pixels, total - pixels };
}

} // namespace tessellon
