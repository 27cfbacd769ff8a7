#pragma once

#include <QString>

namespace tessellon {

// Turns a filter of the form "description|pattern|description|pattern..." into Qt's
// "description (patterns);;..." form. The pattern "*.*" means every file, as it does on
// Windows, and becomes "*".
QString qtFileFilter(const QString& filter);

} // namespace tessellon
