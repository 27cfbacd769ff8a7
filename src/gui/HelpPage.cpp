#include "gui/HelpPage.h"

#include "document/ProgramFolders.h"
#include "gui/UserDialogs.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QWidget>

namespace tessellon {

namespace {

    const QString messageCaption = QStringLiteral("Tessellon");

} // namespace

QString helpPagePath(const QString& dataFolder)
{
    return QDir::toNativeSeparators(dataFolder + "/doc/help.html");
}

void openHelpPage(UserDialogs& dialogs, QWidget* owner, const QString& dataFolder)
{
    const QString path = helpPagePath(dataFolder);
    if (!QFileInfo(path).isFile()) {
        dialogs.warn(
            owner, messageCaption, "Cannot open file " + path + ": the help page is missing");
        return;
    }
    // The answer may come after the owner has gone.
    const QPointer<QWidget> window(owner);
    dialogs.openDocument(path, [&dialogs, window, path](bool opened) {
        if (!opened) {
            dialogs.warn(window, messageCaption,
                "Cannot open file " + path
                    + ": no program could be started to show it; open it in a web browser");
        }
    });
}

void openHelpPage(UserDialogs& dialogs, QWidget* owner)
{
    openHelpPage(dialogs, owner, QFile::decodeName(programFolders().data.c_str()));
}

} // namespace tessellon
