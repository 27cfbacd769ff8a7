#pragma once

#include <QString>

class QWidget;

namespace tessellon {

class UserDialogs;

// The program's manual: doc/help.html in the program's data folder.
QString helpPagePath(const QString& dataFolder);

// Opens the manual with the desktop's handler for HTML pages; when the page is missing,
// says so in a message box instead.
void openHelpPage(UserDialogs& dialogs, QWidget* owner, const QString& dataFolder);
void openHelpPage(UserDialogs& dialogs, QWidget* owner);

} // namespace tessellon
