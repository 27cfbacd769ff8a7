#include "gui/FileFilter.h"

#include <QStringList>

namespace tessellon {

namespace {

    QString qtPatterns(const QString& patterns)
    {
        QStringList result;
        for (const QString& pattern : patterns.split(';', Qt::SkipEmptyParts)) {
            result << (pattern.trimmed() == "*.*" ? QStringLiteral("*") : pattern.trimmed());
        }
        return result.join(' ');
    }

    // A description that already ends in its own "(patterns)", as written in the filter or
    // as Qt shows them, gets them replaced, so that the list does not show them twice.
    QString qtEntry(QString description, const QString& patterns)
    {
        for (const QString& shown : { "(" + patterns + ")", "(" + qtPatterns(patterns) + ")" }) {
            if (description.endsWith(shown)) {
                description.chop(shown.size());
                break;
            }
        }
        return description.trimmed() + " (" + qtPatterns(patterns) + ")";
    }

} // namespace

QString qtFileFilter(const QString& filter)
{
    const QStringList parts = filter.split('|');
    QStringList entries;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        entries << qtEntry(parts[i], parts[i + 1]);
    }
    return entries.join(";;");
}

} // namespace tessellon
