#pragma once

#include "editor/UserDialogs.h"

namespace tessellon {

// The real boxes: QMessageBox, QFileDialog, QFontDialog, QDialog::exec and QDesktopServices.
class QtUserDialogs final : public UserDialogs {
public:
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
    void openDocument(const QString& path) override;

private:
    // File choosers start where the user last chose a file.
    QString m_lastFolder;
};

} // namespace tessellon
