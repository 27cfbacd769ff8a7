#include "gui/QtUserDialogs.h"

#include "gui/FileFilter.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QMessageBox>
#include <QPointer>
#include <QProcess>
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

    // A modal box hands the activation back to the window that was active before it: with
    // no window manager to do that, keys would reach no window, and no shortcut would work.
    class ActivationReturn {
    public:
        ActivationReturn()
            : m_window(QApplication::activeWindow())
        {
        }
        ~ActivationReturn()
        {
            if (m_window && m_window->isVisible() && !m_window->isActiveWindow()) {
                m_window->activateWindow();
            }
        }
        ActivationReturn(const ActivationReturn&) = delete;
        ActivationReturn& operator=(const ActivationReturn&) = delete;

    private:
        QPointer<QWidget> m_window;
    };

} // namespace

MessageAnswer QtUserDialogs::askYesNoCancel(
    QWidget* owner, const QString& caption, const QString& text)
{
    const ActivationReturn activation;
    const auto button = QMessageBox::question(owner, caption, text,
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
    if (button == QMessageBox::Yes) {
        return MessageAnswer::Yes;
    }
    return button == QMessageBox::No ? MessageAnswer::No : MessageAnswer::Cancel;
}

void QtUserDialogs::inform(QWidget* owner, const QString& caption, const QString& text)
{
    const ActivationReturn activation;
    QMessageBox::information(owner, caption, text);
}

void QtUserDialogs::warn(QWidget* owner, const QString& caption, const QString& text)
{
    const ActivationReturn activation;
    QMessageBox::warning(owner, caption, text);
}

QString QtUserDialogs::chooseFileToOpen(QWidget* owner, const QString& filter)
{
    const ActivationReturn activation;
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
    const ActivationReturn activation;
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
    const ActivationReturn activation;
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
    const ActivationReturn activation;
    bool chosen = false;
    const QFont font = QFontDialog::getFont(&chosen, initial, owner);
    return chosen ? std::optional<QFont>(font) : std::nullopt;
}

int QtUserDialogs::runModal(QDialog& dialog)
{
    const ActivationReturn activation;
    return dialog.exec();
}

void QtUserDialogs::openDocument(const QString& path, std::function<void(bool)> outcome)
{
    // xdg-open finding no program for the file says so on its standard error only; its exit
    // status tells. It lasts as long as the program it starts (a browser), so it is not
    // ended with this program: a process still running then is left alone.
    auto* opener = new QProcess;
    opener->setStandardOutputFile(QProcess::nullDevice());
    opener->setStandardErrorFile(QProcess::nullDevice());
    QObject::connect(opener, &QProcess::finished, opener,
        [opener, outcome](int exitCode, QProcess::ExitStatus status) {
            outcome(status == QProcess::NormalExit && exitCode == 0);
            opener->deleteLater();
        });
    QObject::connect(opener, &QProcess::errorOccurred, opener,
        [opener, path, outcome](QProcess::ProcessError error) {
            if (error == QProcess::FailedToStart) {
                // Qt's own way, which tells only whether it could start something.
                outcome(QDesktopServices::openUrl(QUrl::fromLocalFile(path)));
                opener->deleteLater();
            }
        });
    opener->start(m_documentOpener, { path });
}

} // namespace tessellon
