#include "editor/WindowCaption.h"

#include <QWidget>

namespace tessellon {

namespace {

    const QString placeholder = QStringLiteral("[*]");

} // namespace

QString titleWithModifiedMark(const QString& name)
{
    return QString(name).replace(placeholder, placeholder + placeholder) + placeholder;
}

QString shownTitle(const QWidget& window)
{
    const QString title = window.windowTitle();
    const QString mark = window.isWindowModified() ? QStringLiteral("*") : QString();
    QString shown;
    qsizetype from = 0;
    while (from < title.size()) {
        const qsizetype found = title.indexOf(placeholder, from);
        if (found < 0) {
            shown += title.mid(from);
            break;
        }
        shown += title.mid(from, found - from);
        // A run of placeholders: each pair stands for one written out; an odd one is the mark.
        qsizetype run = 0;
        for (from = found; title.mid(from, placeholder.size()) == placeholder;
             from += placeholder.size()) {
            ++run;
        }
        shown += placeholder.repeated(run / 2) + (run % 2 != 0 ? mark : QString());
    }
    return shown;
}

} // namespace tessellon
