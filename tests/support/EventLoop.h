#pragma once

#include <QEventLoop>
#include <QTimer>

namespace tessellon::test {

// Runs the event loop until it has gone idle, when the main window recomputes which
// commands are enabled. (QTest::qWait never lets the loop block, so it never goes idle.)
inline void runUntilIdle()
{
    QEventLoop loop;
    QTimer::singleShot(20, &loop, &QEventLoop::quit);
    loop.exec();
}

} // namespace tessellon::test
