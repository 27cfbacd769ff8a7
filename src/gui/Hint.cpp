#include "gui/Hint.h"

#include <QAction>
#include <QWidget>

namespace tessellon {

QString shortHint(const QString& hint)
{
    const auto bar = hint.indexOf('|');
    return bar < 0 ? hint : hint.left(bar);
}

QString longHint(const QString& hint)
{
    const auto bar = hint.indexOf('|');
    return bar < 0 ? hint : hint.mid(bar + 1);
}

void applyHint(QAction& action, const QString& hint)
{
    action.setToolTip(shortHint(hint));
    action.setStatusTip(longHint(hint));
}

void applyHint(QWidget& widget, const QString& hint)
{
    widget.setToolTip(shortHint(hint));
    widget.setStatusTip(longHint(hint));
}

} // namespace tessellon
