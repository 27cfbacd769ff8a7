#include "shell/WindowArrangement.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QtTest>

using namespace tessellon;

class WindowArrangementTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QMdiArea> m_area;
    QList<QMdiSubWindow*> m_windows;

private slots:
    void init()
    {
        m_area = std::make_unique<QMdiArea>();
        m_area->resize(600, 400);
        m_area->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_area.get()));
        m_windows.clear();
        for (int i = 0; i < 3; ++i) {
            QMdiSubWindow* window = m_area->addSubWindow(new QWidget);
            window->resize(200, 150);
            window->show();
            m_windows << window;
        }
    }

    void cleanup() { m_area.reset(); }

    void tileHorizontallyStacksTheWindows()
    {
        tileHorizontally(*m_area);
        const QRect space = m_area->viewport()->rect();
        int top = 0;
        for (QMdiSubWindow* window : m_windows) {
            QCOMPARE(window->x(), 0);
            QCOMPARE(window->y(), top);
            QCOMPARE(window->width(), space.width());
            top += window->height();
        }
        QCOMPARE(top, space.height());
    }

    void tileVerticallyPutsThemSideBySide()
    {
        tileVertically(*m_area);
        const QRect space = m_area->viewport()->rect();
        int left = 0;
        for (QMdiSubWindow* window : m_windows) {
            QCOMPARE(window->x(), left);
            QCOMPARE(window->y(), 0);
            QCOMPARE(window->height(), space.height());
            left += window->width();
        }
        QCOMPARE(left, space.width());
    }

    void tilingLeavesMinimisedWindowsAlone()
    {
        m_windows[1]->showMinimized();
        tileVertically(*m_area);
        QVERIFY(m_windows[1]->isMinimized());
        QCOMPARE(m_windows[0]->width() + m_windows[2]->width(), m_area->viewport()->width());
    }

    void minimizeAllMinimisesEveryWindow()
    {
        m_windows[0]->showMaximized();
        minimizeAll(*m_area);
        for (QMdiSubWindow* window : m_windows) {
            QVERIFY(window->isMinimized());
        }
    }

    void arrangeLinesUpTheIconsAlongTheBottom()
    {
        minimizeAll(*m_area);
        m_windows[0]->move(300, 10);
        arrangeIcons(*m_area);
        const int bottom = m_area->viewport()->height();
        int left = 0;
        for (QMdiSubWindow* window : m_windows) {
            QCOMPARE(window->x(), left);
            QCOMPARE(window->y() + window->height(), bottom);
            left += window->width();
        }
    }
};

QTEST_MAIN(WindowArrangementTest)
#include "WindowArrangement_test.moc"
