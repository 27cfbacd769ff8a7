#include "editor/EditCopyToCommand.h"

#include "editor/BmpFileName.h"
#include "gui/UserDialogs.h"

#include <QFile>

namespace tessellon {

void EditCopyToCommand::Execute()
{
    std::optional<ChildExchange> exchange = activeExchange();
    if (!exchange) {
        return;
    }
    const QString chosen = m_context.dialogs.chooseFileToSave(
        m_context.windows.frameWindow(), QStringLiteral("Bitmaps (*.bmp)|*.bmp"));
    if (!chosen.isEmpty()) {
        const std::string name = withBmpExtension(QFile::encodeName(chosen).toStdString());
        exchange->CopyGlyphs(QFile::decodeName(name.c_str()));
    }
}

bool EditCopyToCommand::Update() const { return hasGlyphSelection(); }

} // namespace tessellon
