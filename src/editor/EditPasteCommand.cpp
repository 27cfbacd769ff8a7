#include "editor/EditPasteCommand.h"

#include "editor/ExchangeClipboard.h"

#include <QClipboard>
#include <QGuiApplication>

namespace tessellon {

void EditPasteCommand::Execute()
{
    if (std::optional<ChildExchange> exchange = activeExchange()) {
        exchange->PasteGlyphs();
    }
}

bool EditPasteCommand::Update() const
{
    return m_context.windows.activeChild() && ClipboardHasBitmap(*QGuiApplication::clipboard());
}

} // namespace tessellon
