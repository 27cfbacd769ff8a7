#include "document/FontDocument.h"

#include "document/PixWriter.h"

#include <algorithm>

namespace tessellon {

namespace {

    std::string glyphRange(const GlyphRun& run)
    {
        return "glyphs " + std::to_string(run.first) + " to "
            + std::to_string(static_cast<std::uint64_t>(run.first) + run.count - 1);
    }

} // namespace

void FontDocument::takeFont(FontLib font) { m_font = std::move(font); }

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
        previous.runs.push_back(copyGlyphs(m_font, run.first, run.count, run.codes.has_value()));
        applyRun(run);
    }
    // Runs may overlap: undoing them last to first restores every glyph.
    std::reverse(previous.runs.begin(), previous.runs.end());
    const auto listeners = m_listeners;
    for (const auto& [id, listener] : listeners) {
        listener(change);
    }
    return previous;
}

Status FontDocument::setBaseline(std::optional<int> rows)
{
    if (rows) {
        if (Status fits = checkBaseline(*rows, m_font.info.glyphHeight); !fits) {
            return fits;
        }
    }
    m_font.baseline = rows;
    return {};
}

void FontDocument::markWritten() { m_font.info = infoForSaving(m_font); }

Status FontDocument::checkRun(const GlyphRun& run) const
{
    const std::uint64_t end = static_cast<std::uint64_t>(run.first) + run.count;
    if (end > m_font.info.glyphCount) {
        return failure(glyphRange(run) + " do not all lie in the font of "
            + std::to_string(m_font.info.glyphCount) + " glyphs");
    }
    if (run.pixels.size() != run.count * m_font.glyphBytes()) {
        return failure(glyphRange(run) + " come with " + std::to_string(run.pixels.size())
            + " bytes instead of " + std::to_string(run.count * m_font.glyphBytes()));
    }
    if (run.codes && !m_font.codeTable) {
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
        m_font.pixelData.begin() + run.first * m_font.glyphBytes());
    if (run.codes) {
        std::copy(run.codes->begin(), run.codes->end(), m_font.codeTable->begin() + run.first);
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
    return m_font.DrawGlyph(image, x0, y0, index, background);
}

} // namespace tessellon
