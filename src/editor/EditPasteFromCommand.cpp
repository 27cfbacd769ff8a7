#include "editor/EditPasteFromCommand.h"

#include "editor/ChildExchange.h"
#include "editor/MDIChild.h"
#include "editor/UserDialogs.h"

namespace tessellon {

namespace {

    // Every picture format Qt reads is taken, whatever the filter shows.
    const QString pictureFilter
        = QStringLiteral("Bitmaps (*.bmp)|*.bmp"
                         "|Pictures (*.png *.bmp *.pbm *.gif)|*.png;*.bmp;*.pbm;*.gif"
                         "|All files (*.*)|*.*");

} // namespace

void EditPasteFromCommand::Execute()
{
    TMDIChild* child = m_context.windows.activeChild();
    if (!child) {
        return;
    }
    const QString chosen
        = m_context.dialogs.chooseFileToOpen(m_context.windows.frameWindow(), pictureFilter);
    if (!chosen.isEmpty()) {
        ChildExchange(*child, m_context.dialogs).PasteGlyphs(chosen);
    }
}

bool EditPasteFromCommand::Update() const { return m_context.windows.activeChild() != nullptr; }

} // namespace tessellon
