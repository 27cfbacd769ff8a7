#pragma once

#include <QFont>
#include <QString>

#include <functional>
#include <optional>

class QDialog;
class QWidget;

namespace tessellon {

enum class MessageAnswer { Yes, No, Cancel };

// Everything a window asks of the user in a modal box, and the one thing it hands to the
// desktop. Windows ask through this interface so that tests can answer for the user.
// File filters are given as "description|pattern|description|pattern...".
class UserDialogs {
public:
    virtual ~UserDialogs() = default;

    virtual MessageAnswer askYesNoCancel(
        QWidget* owner, const QString& caption, const QString& text)
        = 0;
    virtual void inform(QWidget* owner, const QString& caption, const QString& text) = 0;
    virtual void warn(QWidget* owner, const QString& caption, const QString& text) = 0;

    // The chosen path, or an empty string when the user cancelled. A save dialog starts with
    // suggestedName filled in, when there is one (a bare name lies in the last folder used).
    virtual QString chooseFileToOpen(QWidget* owner, const QString& filter) = 0;
    virtual QString chooseFileToSave(
        QWidget* owner, const QString& filter, const QString& suggestedName = QString())
        = 0;
    // Like chooseFileToOpen, but the name may also be one of a file that does not exist yet.
    virtual QString chooseFileToOpenOrCreate(QWidget* owner, const QString& filter) = 0;

    // The font chooser, starting at initial; the chosen font, or nothing when the user
    // cancelled.
    virtual std::optional<QFont> chooseFont(QWidget* owner, const QFont& initial) = 0;

    // Shows dialog modally and returns its result code.
    virtual int runModal(QDialog& dialog) = 0;

    // Opens a local file with the desktop's default program. outcome runs once it is known,
    // perhaps much later, with false when no program could be started to show the file.
    virtual void openDocument(const QString& path, std::function<void(bool opened)> outcome) = 0;
};

} // namespace tessellon
