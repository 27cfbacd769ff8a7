#pragma once

#include <QString>

class QAction;
class QWidget;

namespace tessellon {

// A hint is "short|long": the short part is the tooltip and the long part goes to the
// main window's status bar. A hint without a bar serves as both.
QString shortHint(const QString& hint);
QString longHint(const QString& hint);

void applyHint(QAction& action, const QString& hint);
void applyHint(QWidget& widget, const QString& hint);

} // namespace tessellon
