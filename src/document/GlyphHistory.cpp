#include "document/GlyphHistory.h"

namespace tessellon {

GlyphHistory::GlyphHistory(FontDocument& document)
    : m_document(document)
{
}

void GlyphHistory::takeFont(FontLib font, FontOrigin origin)
{
    m_document.takeFont(std::move(font));
    m_steps.clear();
    m_applied = 0;
    m_forgotten = 0;
    m_saved.reset();
    if (origin == FontOrigin::itsFile) {
        m_saved = position();
    }
}

Status GlyphHistory::changeGlyphs(const GlyphChange& change)
{
    Result<GlyphChange> undo = m_document.replaceGlyphs(change);
    if (!undo) {
        return failure(undo.message());
    }
    if (!change.empty()) {
        push(std::move(undo).value());
    }
    return {};
}

Status GlyphHistory::changeBaseline(std::optional<int> rows)
{
    const std::optional<int> before = m_document.fontLib().baseline;
    if (rows == before) {
        return {};
    }
    if (const Status set = m_document.setBaseline(rows); !set) {
        return set;
    }
    push(Baseline { before });
    return {};
}

void GlyphHistory::undo()
{
    if (canUndo()) {
        --m_applied;
        apply(m_steps[m_applied]);
    }
}

void GlyphHistory::redo()
{
    if (canRedo()) {
        apply(m_steps[m_applied]);
        ++m_applied;
    }
}

void GlyphHistory::dropRedo()
{
    if (m_saved && *m_saved > position()) {
        m_saved.reset();
    }
    m_steps.resize(m_applied);
}

void GlyphHistory::markSaved() { m_saved = position(); }

bool GlyphHistory::modified() const { return m_saved != position(); }

void GlyphHistory::push(Step step)
{
    dropRedo();
    m_steps.push_back(std::move(step));
    ++m_applied;
    if (m_steps.size() > stepLimit) {
        m_steps.pop_front();
        --m_applied;
        ++m_forgotten;
    }
}

void GlyphHistory::apply(Step& step)
{
    // The font keeps its size while the history lasts, so what undid a step always fits.
    if (auto* glyphs = std::get_if<GlyphChange>(&step)) {
        if (Result<GlyphChange> reverse = m_document.replaceGlyphs(*glyphs)) {
            *glyphs = std::move(reverse).value();
        }
        return;
    }
    auto& baseline = std::get<Baseline>(step);
    const std::optional<int> now = m_document.fontLib().baseline;
    if (m_document.setBaseline(baseline.rows)) {
        baseline.rows = now;
    }
}

} // namespace tessellon
