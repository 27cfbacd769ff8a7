#include "editor/BaselineStep.h"

#include "editor/FontHistory.h"

namespace tessellon {

BaselineStep::BaselineStep(FontHistory& history, State before, State after, const QString& name)
    : QUndoCommand(name)
    , m_history(history)
    , m_before(before)
    , m_after(after)
{
}

void BaselineStep::undo() { m_history.baselineAt(m_before.rows, m_before.revision); }

void BaselineStep::redo()
{
    if (m_applied) {
        m_applied = false;
        return;
    }
    m_history.baselineAt(m_after.rows, m_after.revision);
}

} // namespace tessellon
