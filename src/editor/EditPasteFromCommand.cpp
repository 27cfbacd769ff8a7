#include "editor/EditPasteFromCommand.h"

#include "gui/UserDialogs.h"

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
    std::optional<ChildExchange> exchange = activeExchange();
    if (!exchange) {
        return;
    }
    const QString chosen
        = m_context.dialogs.chooseFileToOpen(m_context.windows.frameWindow(), pictureFilter);
    if (!chosen.isEmpty()) {
        exchange->PasteGlyphs(chosen);
    }
}

bool EditPasteFromCommand::Update() const { return m_context.windows.activeChild() != nullptr; }

} // namespace tessellon
