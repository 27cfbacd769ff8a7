#pragma once

#include <QString>

class QWidget;

namespace tessellon {

// A window title that shows name, with "*" after it while the window is marked modified
// (QWidget::setWindowModified): name followed by Qt's "[*]" placeholder, any "[*]" in the
// name itself doubled so that it shows as it is.
QString titleWithModifiedMark(const QString& name);

// The title as the title bar shows it: each placeholder becomes "*" while the window is
// marked modified and goes otherwise; a doubled one shows once.
QString shownTitle(const QWidget& window);

} // namespace tessellon
