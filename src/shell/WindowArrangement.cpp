#include "shell/WindowArrangement.h"

#include <QMdiArea>
#include <QMdiSubWindow>

namespace tessellon {

namespace {

    QList<QMdiSubWindow*> windowsToTile(QMdiArea& area)
    {
        QList<QMdiSubWindow*> windows;
        for (QMdiSubWindow* window : area.subWindowList(QMdiArea::CreationOrder)) {
            if (!window->isHidden() && !window->isMinimized()) {
                windows << window;
            }
        }
        return windows;
    }

    // Splits length into count parts; the last takes what division leaves over.
    int partStart(int length, int count, int part) { return length * part / count; }

    void tile(QMdiArea& area, bool oneAboveTheOther)
    {
        const QList<QMdiSubWindow*> windows = windowsToTile(area);
        const QRect space = area.viewport()->rect();
        const int count = static_cast<int>(windows.size());
        for (int i = 0; i < count; ++i) {
            windows[i]->showNormal();
            if (oneAboveTheOther) {
                const int top = partStart(space.height(), count, i);
                const int bottom = partStart(space.height(), count, i + 1);
                windows[i]->setGeometry(0, top, space.width(), bottom - top);
            } else {
                const int left = partStart(space.width(), count, i);
                const int right = partStart(space.width(), count, i + 1);
                windows[i]->setGeometry(left, 0, right - left, space.height());
            }
        }
    }

} // namespace

void tileHorizontally(QMdiArea& area) { tile(area, true); }

void tileVertically(QMdiArea& area) { tile(area, false); }

void minimizeAll(QMdiArea& area)
{
    // Minimising a maximised window activates another one, which the area would maximise.
    const bool keepOption = area.testOption(QMdiArea::DontMaximizeSubWindowOnActivation);
    area.setOption(QMdiArea::DontMaximizeSubWindowOnActivation, true);
    const QList<QMdiSubWindow*> windows = area.subWindowList(QMdiArea::CreationOrder);
    for (auto window = windows.rbegin(); window != windows.rend(); ++window) {
        (*window)->showMinimized();
    }
    area.setOption(QMdiArea::DontMaximizeSubWindowOnActivation, keepOption);
}

void arrangeIcons(QMdiArea& area)
{
    const QRect space = area.viewport()->rect();
    int x = 0;
    int bottom = space.height();
    int rowHeight = 0;
    for (QMdiSubWindow* window : area.subWindowList(QMdiArea::CreationOrder)) {
        if (!window->isMinimized()) {
            continue;
        }
        const QSize size = window->size();
        if (x > 0 && x + size.width() > space.width()) {
            x = 0;
            bottom -= rowHeight;
            rowHeight = 0;
        }
        window->move(x, bottom - size.height());
        x += size.width();
        rowHeight = std::max(rowHeight, size.height());
    }
}

void activateSubWindow(QMdiArea& area, QMdiSubWindow& window)
{
    if (window.isMinimized()) {
        window.showNormal();
    }
    area.setActiveSubWindow(&window);
}

} // namespace tessellon
