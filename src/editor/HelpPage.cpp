#include "editor/HelpPage.h"

#include "editor/UserDialogs.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace tessellon {

QString helpPagePath(const QString& programFolder)
{
    return QDir::toNativeSeparators(programFolder + "/doc/help.html");
}

void openHelpPage(UserDialogs& dialogs, QWidget* owner, const QString& programFolder)
{
    const QString path = helpPagePath(programFolder);
    if (!QFileInfo(path).isFile()) {
        dialogs.warn(owner, QStringLiteral("Tessellon"),
            "Cannot open file " + path + ": the help page is missing");
        return;
    }
    dialogs.openDocument(path);
}

void openHelpPage(UserDialogs& dialogs, QWidget* owner)
{
    openHelpPage(dialogs, owner, QCoreApplication::applicationDirPath());
}

} // namespace tessellon
