#include "editor/EditPasteCommand.h"

#include "editor/ChildExchange.h"
#include "editor/ExchangeClipboard.h"
#include "editor/MDIChild.h"

#include <QClipboard>
#include <QGuiApplication>

namespace tessellon {

void EditPasteCommand::Execute()
{
    if (TMDIChild* child = m_context.windows.activeChild()) {
        ChildExchange(*child, m_context.dialogs).PasteGlyphs();
    }
}

bool EditPasteCommand::Update() const
{
    return m_context.windows.activeChild() && ClipboardHasBitmap(*QGuiApplication::clipboard());
}

} // namespace tessellon
