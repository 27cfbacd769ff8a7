#include "document/FontDocument.h"

#include "document/PixelPicture.h"

#include <algorithm>

namespace tessellon {

namespace {

    std::string glyphRange(const GlyphRun& run)
    {
        return "glyphs " + std::to_string(run.first) + " to "
            + std::to_string(static_cast<std::uint64_t>(run.first) + run.count - 1);
    }

} // namespace

Result<GlyphChange> FontDocument::replaceGlyphs(const GlyphChange& change)
{
    for (const GlyphRun& run : change.runs) {
        if (const Status fits = checkRun(run); !fits) {
            return failure(fits.message());
        }
    }
    if (change.empty()) {
        return GlyphChange {};
    }
    GlyphChange previous;
    previous.runs.reserve(change.runs.size());
    for (const GlyphRun& run : change.runs) {
        previous.runs.push_back(copyGlyphs(fontLib, run.first, run.count, run.codes.has_value()));
        applyRun(run);
    }
    // Runs may overlap: undoing them last to first restores every glyph.
    std::reverse(previous.runs.begin(), previous.runs.end());
    modified = true;
    const auto listeners = m_listeners;
    for (const auto& [id, listener] : listeners) {
        listener(change);
    }
    return previous;
}

Status FontDocument::setBaseline(std::optional<int> rows)
{
    if (rows) {
        if (Status fits = checkBaseline(*rows, fontLib.info.glyphHeight); !fits) {
            return fits;
        }
    }
    fontLib.baseline = rows;
    modified = true;
    return {};
}

Status FontDocument::checkRun(const GlyphRun& run) const
{
    const std::uint64_t end = static_cast<std::uint64_t>(run.first) + run.count;
    if (end > fontLib.info.glyphCount) {
        return failure(glyphRange(run) + " do not all lie in the font of "
            + std::to_string(fontLib.info.glyphCount) + " glyphs");
    }
    if (run.pixels.size() != run.count * fontLib.glyphBytes()) {
        return failure(glyphRange(run) + " come with " + std::to_string(run.pixels.size())
            + " bytes instead of " + std::to_string(run.count * fontLib.glyphBytes()));
    }
    if (run.codes && !fontLib.codeTable) {
        return failure(glyphRange(run) + " come with codes, but the font has no code table");
    }
    if (run.codes && run.codes->size() != run.count) {
        return failure(glyphRange(run) + " come with " + std::to_string(run.codes->size())
            + " codes instead of " + std::to_string(run.count));
    }
    return {};
}

void FontDocument::applyRun(const GlyphRun& run)
{
    std::copy(run.pixels.begin(), run.pixels.end(),
        fontLib.pixelData.begin() + run.first * fontLib.glyphBytes());
    if (run.codes) {
        std::copy(run.codes->begin(), run.codes->end(), fontLib.codeTable->begin() + run.first);
    }
}

FontDocument::ListenerId FontDocument::addGlyphsListener(GlyphsListener listener)
{
    m_listeners.emplace_back(++m_nextListener, std::move(listener));
    return m_nextListener;
}

void FontDocument::removeGlyphsListener(ListenerId id)
{
    std::erase_if(m_listeners, [id](const auto& entry) { return entry.first == id; });
}

bool FontDocument::DrawGlyph(
    RgbImage& image, int x0, int y0, std::uint32_t index, Rgb background) const
{
    return fontLib.DrawGlyph(image, x0, y0, index, background);
}

bool FontDocument::ReadGlyph(const RgbImage& image, int x0, int y0, std::uint32_t index)
{
    if (!fontLib.hasGlyph(index)) {
        return false;
    }
    const GlyphTile tile { x0, y0, index };
    return replaceGlyphs(changeFromImage(fontLib, image, std::span(&tile, 1))).ok();
}

void FontDocument::resetEditBuffer()
{
    editBuffer.assign(static_cast<std::size_t>(glyphWidth()) * glyphHeight(), 0);
    editGlyph.reset();
}

bool FontDocument::LoadEditBuffer(std::uint32_t index)
{
    if (!fontLib.hasGlyph(index)) {
        return false;
    }
    editBuffer = unpackPicture(fontLib.glyph(index), glyphWidth(), glyphHeight());
    editGlyph = index;
    return true;
}

bool FontDocument::StoreEditBuffer(std::uint32_t index)
{
    if (!fontLib.hasGlyph(index)) {
        return false;
    }
    if (!editBufferFits()) {
        resetEditBuffer();
    }
    if (!replaceGlyphs(editBufferChange(index)).ok()) {
        return false;
    }
    editGlyph = index;
    return true;
}

GlyphChange FontDocument::editBufferChange(std::uint32_t index) const
{
    if (!fontLib.hasGlyph(index) || !editBufferFits()) {
        return {};
    }
    return { { GlyphRun { index, 1, packPicture(editBuffer, glyphWidth(), glyphHeight()), {} } } };
}

bool FontDocument::editBufferUnwritten() const
{
    if (!editBufferFits()) {
        return false;
    }
    if (!editGlyph || !fontLib.hasGlyph(*editGlyph)) {
        return std::find(editBuffer.begin(), editBuffer.end(), 1) != editBuffer.end();
    }
    // Pixels, not bytes: padding bits a file brought along are no part of the picture.
    return editBuffer != unpackPicture(fontLib.glyph(*editGlyph), glyphWidth(), glyphHeight());
}

bool FontDocument::editBufferFits() const
{
    return editBuffer.size() == static_cast<std::size_t>(glyphWidth()) * glyphHeight();
}

} // namespace tessellon
