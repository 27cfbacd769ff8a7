#include "editor/GridGeometry.h"

namespace tessellon {

QString headerText(int column) { return QString::number(column % 16, 16).toUpper(); }

} // namespace tessellon
