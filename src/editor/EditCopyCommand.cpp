#include "editor/EditCopyCommand.h"

#include "editor/ChildExchange.h"
#include "editor/MDIChild.h"

namespace tessellon {

void EditCopyCommand::Execute()
{
    if (TMDIChild* child = m_context.windows.activeChild()) {
        ChildExchange(*child, m_context.dialogs).CopyGlyphs();
    }
}

bool EditCopyCommand::Update() const
{
    TMDIChild* child = m_context.windows.activeChild();
    return child && ChildExchange(*child, m_context.dialogs).HasGlyphSelection();
}

} // namespace tessellon
