#pragma once

#include <QObject>

class QActionGroup;
class QMdiArea;
class QMenu;

namespace tessellon {

// The list of open child windows at the end of the Window menu: one numbered entry per
// window, the active one checked; choosing an entry activates its window, restoring it
// first when it is minimised.
class WindowList final : public QObject {
    Q_OBJECT
public:
    WindowList(QMdiArea& area, QMenu& menu);

    // Rebuilds the entries from the windows open now.
    void refresh();

private:
    QMdiArea& m_area;
    QMenu& m_menu;
    QActionGroup* m_entries;
};

} // namespace tessellon
