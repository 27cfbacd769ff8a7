#include "creation/ThreadCreateFont.h"

#include <QCoreApplication>
#include <QEvent>

namespace tessellon {

namespace {

    QEvent::Type handOverEventType()
    {
        static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
        return type;
    }

} // namespace

ThreadCreateFont::ThreadCreateFont(QObject* parent)
    : QThread(parent)
    , m_run(std::make_shared<CreateFontRun>())
{
    setHandOverRoute(HandOverRoute::EventLoop);
    // A GUI that quits, or goes without quitting, must not leave the worker waiting for
    // an answer that its event loop will never give.
    if (auto* application = QCoreApplication::instance()) {
        connect(application, &QCoreApplication::aboutToQuit, this,
            [run = m_run] { run->requestStop(); });
        connect(application, &QObject::destroyed, this, [run = m_run] { run->requestStop(); });
    }
}

ThreadCreateFont::~ThreadCreateFont()
{
    m_run->requestStop();
    wait();
    m_run->setNotifyHook({});
}

void ThreadCreateFont::setDrawing(NewFontDrawing drawing)
{
    m_drawing = std::move(drawing);
    m_run->setTotalBytes(m_drawing.totalBytes);
    m_run->setDoneBytes(0);
}

void ThreadCreateFont::setReleaseOnEnd(bool release)
{
    if (release) {
        connect(this, &QThread::finished, this, &QObject::deleteLater, Qt::UniqueConnection);
    } else {
        disconnect(this, &QThread::finished, this, &QObject::deleteLater);
    }
}

void ThreadCreateFont::setHandOverRoute(HandOverRoute route)
{
    m_route = route;
    if (route == HandOverRoute::EventLoop) {
        m_run->setNotifyHook(
            [this] { QCoreApplication::postEvent(this, new QEvent(handOverEventType())); });
    } else {
        m_run->setNotifyHook({});
    }
}

void ThreadCreateFont::serveUntilStopped()
{
    m_run->serveUntilStopped([this] { UpdateProgress(); });
}

bool ThreadCreateFont::event(QEvent* event)
{
    if (event->type() == handOverEventType()) {
        m_run->answerPending([this] { UpdateProgress(); });
        return true;
    }
    return QThread::event(event);
}

void ThreadCreateFont::UpdateProgress()
{
    if (const auto percent = m_run->percentDone()) {
        emit progressChanged(*percent);
    }
}

void ThreadCreateFont::run()
{
    if (m_run->enter()) {
        Execute();
        m_run->markStopped();
    }
    QMetaObject::invokeMethod(
        this, [this] { emit closeProgressRequested(); }, Qt::QueuedConnection);
}

void ThreadCreateFont::Execute()
{
    if (m_drawing.charSet) {
        m_run->setOutcome(drawNewFont(m_drawing, drawingThreadCount(), *m_run));
    }
    m_drawing.charSet.reset();
}

} // namespace tessellon
