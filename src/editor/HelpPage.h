#pragma once

#include <QString>

class QWidget;

namespace tessellon {

class UserDialogs;

// The program's manual: doc/help.html in the program's folder.
QString helpPagePath(const QString& programFolder);

// Opens the manual with the desktop's handler for HTML pages; when the page is missing,
// says so in a message box instead.
void openHelpPage(UserDialogs& dialogs, QWidget* owner, const QString& programFolder);
void openHelpPage(UserDialogs& dialogs, QWidget* owner);

} // namespace tessellon
