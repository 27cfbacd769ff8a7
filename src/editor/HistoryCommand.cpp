#include "editor/HistoryCommand.h"

#include "editor/FontHistory.h"
#include "editor/MDIChild.h"

namespace tessellon {

HistoryCommand::HistoryCommand(const CommandContext& context, HistoryDirection direction)
    : m_context(context)
    , m_direction(direction)
{
}

void HistoryCommand::Execute()
{
    TMDIChild* child = m_context.windows.activeChild();
    if (!child) {
        return;
    }
    if (m_direction == HistoryDirection::Undo) {
        child->undo();
    } else {
        child->redo();
    }
}

bool HistoryCommand::Update() const
{
    TMDIChild* child = m_context.windows.activeChild();
    if (!child) {
        return false;
    }
    const QUndoStack& steps = child->history().stack();
    return m_direction == HistoryDirection::Undo ? steps.canUndo() : steps.canRedo();
}

} // namespace tessellon
