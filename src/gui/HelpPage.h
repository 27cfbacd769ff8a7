#pragma once

#include <QString>

class QWidget;

namespace tessellon {

class UserDialogs;

// The program's manual: doc/help.html in the program's data folder.
QString helpPagePath(const QString& dataFolder);

// Opens the manual with the desktop's handler for HTML pages; when the page is missing, or
// no program could be started to show it, says so in a message box that names the page.
void openHelpPage(UserDialogs& dialogs, QWidget* owner, const QString& dataFolder);
void openHelpPage(UserDialogs& dialogs, QWidget* owner);

} // namespace tessellon
