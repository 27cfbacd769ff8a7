#include "editor/BaselineCommand.h"

#include "editor/DlgBaseline.h"
#include "editor/FontHistory.h"
#include "editor/MDIChild.h"
#include "editor/UserDialogs.h"

namespace tessellon {

BaselineCommand::BaselineCommand(const CommandContext& context)
    : m_context(context)
{
}

void BaselineCommand::Execute()
{
    TMDIChild* child = m_context.windows.activeChild();
    if (!child || !Update()) {
        return;
    }
    const FontDocument& document = child->document();
    DlgBaseline dialog(document.fontLib().baselineOrDefault(), document.glyphHeight(), child);
    if (m_context.dialogs.runModal(dialog) != QDialog::Accepted) {
        return;
    }
    if (const Status set = child->history().changeBaseline(dialog.rows(), "Baseline"); !set) {
        m_context.dialogs.warn(child, "Tessellon", QString::fromStdString(set.message()));
    }
}

bool BaselineCommand::Update() const
{
    const TMDIChild* child = m_context.windows.activeChild();
    return child && child->document().fontReady && !child->isMakingFont();
}

} // namespace tessellon
