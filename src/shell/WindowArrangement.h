#pragma once

class QMdiArea;
class QMdiSubWindow;

namespace tessellon {

// The Window menu's layouts of the child windows. Minimised windows keep their place in
// the row of icons; the tiles share the area among the others.

// One above the other, each the area's full width.
void tileHorizontally(QMdiArea& area);
// Side by side, each the area's full height.
void tileVertically(QMdiArea& area);
// Minimises every child window, last to first.
void minimizeAll(QMdiArea& area);
// Lines up the minimised child windows along the bottom of the area.
void arrangeIcons(QMdiArea& area);
// Makes window the active one, restoring it first when it is minimised.
void activateSubWindow(QMdiArea& area, QMdiSubWindow& window);

} // namespace tessellon
