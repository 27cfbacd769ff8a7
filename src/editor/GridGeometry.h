#pragma once

#include "editor/GridCells.h"

#include <QString>

namespace tessellon {

// The header text of a column: one upper-case hexadecimal digit, 0 to F twice.
QString headerText(int column);

} // namespace tessellon
