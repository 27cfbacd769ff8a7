#include "editor/QtUserDialogs.h"

#include "editor/FileFilter.h"

#include <QDesktopServices>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QMessageBox>
#include <QUrl>

namespace tessellon {

namespace {

    // A start path that ends in a file name has the dialog select that name.
    QString saveDialogStart(const QString& lastFolder, const QString& suggestedName)
    {
        if (suggestedName.isEmpty()) {
            return lastFolder;
        }
        if (QFileInfo(suggestedName).isAbsolute() || lastFolder.isEmpty()) {
            return suggestedName;
        }
        return QDir(lastFolder).filePath(suggestedName);
    }

} // namespace

MessageAnswer QtUserDialogs::askYesNoCancel(
    QWidget* owner, const QString& caption, const QString& text)
{
    const auto button = QMessageBox::question(owner, caption, text,
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
    if (button == QMessageBox::Yes) {
        return MessageAnswer::Yes;
    }
    return button == QMessageBox::No ? MessageAnswer::No : MessageAnswer::Cancel;
}

void QtUserDialogs::inform(QWidget* owner, const QString& caption, const QString& text)
{
    QMessageBox::information(owner, caption, text);
}

void QtUserDialogs::warn(QWidget* owner, const QString& caption, const QString& text)
{
    QMessageBox::warning(owner, caption, text);
}

QString QtUserDialogs::chooseFileToOpen(QWidget* owner, const QString& filter)
{
    const QString path
        = QFileDialog::getOpenFileName(owner, QString(), m_lastFolder, qtFileFilter(filter));
    if (!path.isEmpty()) {
        m_lastFolder = QFileInfo(path).absolutePath();
    }
    return path;
}

QString QtUserDialogs::chooseFileToSave(
    QWidget* owner, const QString& filter, const QString& suggestedName)
{
    // The caller decides the extension, and an existing file is replaced without a question.
    const QString path = QFileDialog::getSaveFileName(owner, QString(),
        saveDialogStart(m_lastFolder, suggestedName), qtFileFilter(filter), nullptr,
        QFileDialog::DontConfirmOverwrite);
    if (!path.isEmpty()) {
        m_lastFolder = QFileInfo(path).absolutePath();
    }
    return path;
}

QString QtUserDialogs::chooseFileToOpenOrCreate(QWidget* owner, const QString& filter)
{
    QFileDialog dialog(owner, QString(), m_lastFolder, qtFileFilter(filter));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::AnyFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    const QString path = dialog.selectedFiles().constFirst();
    m_lastFolder = QFileInfo(path).absolutePath();
    return path;
}

std::optional<QFont> QtUserDialogs::chooseFont(QWidget* owner, const QFont& initial)
{
    bool chosen = false;
    const QFont font = QFontDialog::getFont(&chosen, initial, owner);
    return chosen ? std::optional<QFont>(font) : std::nullopt;
}

int QtUserDialogs::runModal(QDialog& dialog) { return dialog.exec(); }

void QtUserDialogs::openDocument(const QString& path)
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

} // namespace tessellon
