#include "editor/GlyphChangeStep.h"

#include "editor/FontHistory.h"

namespace tessellon {

GlyphChangeStep::GlyphChangeStep(FontHistory& history, FontDocument& document, GlyphChange undo,
    std::int64_t revisionBefore, std::int64_t revisionAfter, const QString& name)
    : QUndoCommand(name)
    , m_history(history)
    , m_document(document)
    , m_pending(std::move(undo))
    , m_revisionBefore(revisionBefore)
    , m_revisionAfter(revisionAfter)
{
}

void GlyphChangeStep::undo() { applyPending(m_revisionBefore); }

void GlyphChangeStep::redo()
{
    if (m_applied) {
        m_applied = false;
        return;
    }
    applyPending(m_revisionAfter);
}

void GlyphChangeStep::applyPending(std::int64_t revision)
{
    // The font keeps its size while the history lasts, so what undid a change always fits.
    Result<GlyphChange> reverse = m_document.replaceGlyphs(m_pending);
    if (reverse) {
        m_pending = std::move(reverse).value();
        m_history.glyphsAt(revision);
    }
}

} // namespace tessellon
