#include "shell/ImportFontCommand.h"

#include "editor/MDIChild.h"
#include "formats/FontFileFormats.h"
#include "formats/PictureSheet.h"
#include "formats/QtPictureCodec.h"
#include "gui/UserDialogs.h"
#include "shell/DlgPictureSheet.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace tessellon {

namespace {

    const QString messageCaption = QStringLiteral("Tessellon");

    QString joinedNotes(const ReadNotes& notes)
    {
        QStringList lines;
        for (const std::string& note : notes) {
            lines << QString::fromStdString(note);
        }
        return lines.join('\n');
    }

} // namespace

ImportFontCommand::ImportFontCommand(const CommandContext& context)
    : m_context(context)
{
}

ImportFontCommand::~ImportFontCommand() = default;

TDlgPictureSheet& ImportFontCommand::sheetDialog()
{
    if (!m_sheetDialog) {
        m_sheetDialog = std::make_unique<TDlgPictureSheet>(m_context.windows.frameWindow());
    }
    return *m_sheetDialog;
}

QString ImportFontCommand::importedName(const QString& path)
{
    const QFileInfo file(path);
    return QDir(file.path()).filePath(file.completeBaseName() + ".pix");
}

void ImportFontCommand::Execute()
{
    QWidget* frame = m_context.windows.frameWindow();
    const QString name
        = m_context.dialogs.chooseFileToOpen(frame, QString::fromStdString(fontImportFilter()));
    if (name.isEmpty()) {
        return;
    }
    const std::string path = QFile::encodeName(name).toStdString();
    FontFileOptions options;
    if (isPictureSheetName(path)) {
        if (m_context.dialogs.runModal(sheetDialog()) != QDialog::Accepted) {
            return;
        }
        options = sheetDialog().options();
    }
    const QtPictureCodec pictures;
    options.pictures = &pictures;
    ReadNotes notes;
    Result<FontLib> font = importFontFile(path, options, notes);
    if (!font) {
        m_context.dialogs.warn(frame, messageCaption,
            "Cannot import " + name + ": " + QString::fromStdString(font.message()));
        return;
    }
    TMDIChild* child = m_context.windows.addChildWindow(importedName(name));
    child->takeFont(std::move(font).value());
    child->setUntitledName(importedName(name));
    child->focusGrid();
    if (!notes.empty()) {
        m_context.dialogs.inform(child, messageCaption, joinedNotes(notes));
    }
}

} // namespace tessellon
