#pragma once

#include "gui/UserDialogs.h"

namespace tessellon {

// The real boxes: QMessageBox, QFileDialog, QFontDialog and QDialog::exec, each handing the
// activation back to the window that was active before it. Documents open through
// xdg-open, or QDesktopServices where there is none.
class QtUserDialogs final : public UserDialogs {
public:
    // documentOpener: the program that opens documents, found through PATH.
    explicit QtUserDialogs(QString documentOpener = QStringLiteral("xdg-open"))
        : m_documentOpener(std::move(documentOpener))
    {
    }

    MessageAnswer askYesNoCancel(
        QWidget* owner, const QString& caption, const QString& text) override;
    void inform(QWidget* owner, const QString& caption, const QString& text) override;
    void warn(QWidget* owner, const QString& caption, const QString& text) override;
    QString chooseFileToOpen(QWidget* owner, const QString& filter) override;
    QString chooseFileToSave(
        QWidget* owner, const QString& filter, const QString& suggestedName = QString()) override;
    QString chooseFileToOpenOrCreate(QWidget* owner, const QString& filter) override;
    std::optional<QFont> chooseFont(QWidget* owner, const QFont& initial) override;
    int runModal(QDialog& dialog) override;
    void openDocument(const QString& path, std::function<void(bool)> outcome) override;

private:
    QString m_documentOpener;
    // File choosers start where the user last chose a file.
    QString m_lastFolder;
};

} // namespace tessellon
