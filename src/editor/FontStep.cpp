#include "editor/FontStep.h"

#include "editor/FontHistory.h"

namespace tessellon {

FontStep::FontStep(FontHistory& history, const QString& name)
    : QUndoCommand(name)
    , m_history(history)
{
}

void FontStep::undo() { m_history.undoFontStep(); }

void FontStep::redo()
{
    if (m_applied) {
        m_applied = false;
        return;
    }
    m_history.redoFontStep();
}

} // namespace tessellon
