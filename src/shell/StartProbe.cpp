#include "shell/StartProbe.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <chrono>
#include <cstdio>

namespace tessellon {

namespace {

    class FirstPaint final : public QObject {
    public:
        using QObject::QObject;

        bool eventFilter(QObject*, QEvent* event) override
        {
            if (event->type() == QEvent::Paint && !m_seen) {
                m_seen = true;
                // After the paint has been handled and the window's picture flushed.
                QTimer::singleShot(0, this, &FirstPaint::report);
            }
            return false;
        }

    private:
        static void report()
        {
            const auto now = std::chrono::system_clock::now().time_since_epoch();
            const auto micro = std::chrono::duration_cast<std::chrono::microseconds>(now).count();
            std::printf("shown %lld.%06lld\n", static_cast<long long>(micro / 1000000),
                static_cast<long long>(micro % 1000000));
            std::fflush(stdout);
            QCoreApplication::quit();
        }

        bool m_seen = false;
    };

} // namespace

void quitWhenFirstPainted(QWidget& window) { window.installEventFilter(new FirstPaint(&window)); }

} // namespace tessellon
