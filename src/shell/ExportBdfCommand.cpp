#include "shell/ExportBdfCommand.h"

#include "document/FontFileFormats.h"
#include "editor/MDIChild.h"
#include "editor/UserDialogs.h"
#include "formats/BdfWriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace tessellon {

ExportBdfCommand::ExportBdfCommand(const CommandContext& context)
    : m_context(context)
{
}

bool ExportBdfCommand::Update() const
{
    const TMDIChild* child = m_context.windows.activeChild();
    return child && child->document().fontReady;
}

QString ExportBdfCommand::suggestedName(const QString& fileName)
{
    const QFileInfo file(fileName);
    const QString name = file.completeBaseName() + ".bdf";
    return file.path() == "." && !fileName.startsWith("./") ? name
                                                            : QDir(file.path()).filePath(name);
}

void ExportBdfCommand::Execute()
{
    TMDIChild* child = m_context.windows.activeChild();
    if (!child || !child->document().fontReady) {
        return;
    }
    const QString chosen = m_context.dialogs.chooseFileToSave(child,
        QString::fromStdString(fontFileFilter(bdfFileFormat())), suggestedName(child->fileName()));
    if (chosen.isEmpty()) {
        return;
    }
    const std::string path = withBdfExtension(QFile::encodeName(chosen).toStdString());
    const Status written
        = writeFontFileAs(bdfFileFormat(), path, child->document().fontLib(), FontFileOptions {});
    if (!written) {
        m_context.dialogs.warn(
            child, QStringLiteral("Tessellon"), QString::fromStdString(written.message()));
    }
}

} // namespace tessellon
