#include "editor/HelpPage.h"

#include "document/ProgramFolders.h"
#include "editor/UserDialogs.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace tessellon {

QString helpPagePath(const QString& dataFolder)
{
    return QDir::toNativeSeparators(dataFolder + "/doc/help.html");
}

void openHelpPage(UserDialogs& dialogs, QWidget* owner, const QString& dataFolder)
{
    const QString path = helpPagePath(dataFolder);
    if (!QFileInfo(path).isFile()) {
        dialogs.warn(owner, QStringLiteral("Tessellon"),
            "Cannot open file " + path + ": the help page is missing");
        return;
    }
    dialogs.openDocument(path);
}

void openHelpPage(UserDialogs& dialogs, QWidget* owner)
{
    openHelpPage(dialogs, owner, QFile::decodeName(programFolders().data.c_str()));
}

} // namespace tessellon
