#pragma once

#include <QIcon>

namespace tessellon {

// The program's icon: a magnified bitmap glyph on its pixel grid.
QIcon programIcon();
QPixmap programPixmap(int size);

} // namespace tessellon
