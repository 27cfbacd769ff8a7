#include "shell/WindowList.h"

#include "editor/WindowCaption.h"
#include "shell/WindowArrangement.h"

#include <QActionGroup>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>

namespace tessellon {

WindowList::WindowList(QMdiArea& area, QMenu& menu)
    : QObject(&menu)
    , m_area(area)
    , m_menu(menu)
    , m_entries(new QActionGroup(this))
{
    connect(&menu, &QMenu::aboutToShow, this, &WindowList::refresh);
}

void WindowList::refresh()
{
    for (QAction* entry : m_entries->actions()) {
        m_menu.removeAction(entry);
        delete entry;
    }
    const QList<QMdiSubWindow*> windows = m_area.subWindowList(QMdiArea::CreationOrder);
    if (windows.isEmpty()) {
        return;
    }
    auto* separator = new QAction(m_entries);
    separator->setSeparator(true);
    m_menu.addAction(separator);
    int number = 1;
    for (QMdiSubWindow* window : windows) {
        auto* entry = new QAction(
            QString("&%1 %2").arg(number++).arg(shownTitle(*window).replace("&", "&&")), m_entries);
        entry->setCheckable(true);
        entry->setChecked(window == m_area.currentSubWindow());
        connect(entry, &QAction::triggered, window,
            [this, window] { activateSubWindow(m_area, *window); });
        m_menu.addAction(entry);
    }
}

} // namespace tessellon
