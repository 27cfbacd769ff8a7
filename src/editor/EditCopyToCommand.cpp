#include "editor/EditCopyToCommand.h"

#include "editor/BmpFileName.h"
#include "editor/ChildExchange.h"
#include "editor/EditCopyCommand.h"
#include "editor/MDIChild.h"
#include "editor/UserDialogs.h"

#include <QFile>

namespace tessellon {

namespace {

    const QString bitmapFilter = QStringLiteral("Bitmaps (*.bmp)|*.bmp");

} // namespace

void EditCopyToCommand::Execute()
{
    TMDIChild* child = m_context.windows.activeChild();
    if (!child) {
        return;
    }
    const QString chosen
        = m_context.dialogs.chooseFileToSave(m_context.windows.frameWindow(), bitmapFilter);
    if (chosen.isEmpty()) {
        return;
    }
    const QString name
        = QFile::decodeName(withBmpExtension(QFile::encodeName(chosen).toStdString()).c_str());
    ChildExchange(*child, m_context.dialogs).CopyGlyphs(name);
}

bool EditCopyToCommand::Update() const { return EditCopyCommand(m_context).Update(); }

} // namespace tessellon
