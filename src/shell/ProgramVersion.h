#pragma once

#include <QString>

namespace tessellon {

// The program's file version as the build gives it (for example 1.4.0.1625); empty when
// the build gives none.
QString programFileVersion();

} // namespace tessellon
