#include "creation/ThreadCreateFont.h"

#include "creation/GlyphRenderer.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFile>

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

std::uint32_t ThreadCreateFont::Prepare(const CreateFontParams& params)
{
    m_params = params;
    m_baseline = GlyphRenderer::cellBaseline(params.font, params.glyphHeight, params.offsetY);
    m_charSet.reset();
    m_plan.reset();
    m_run->setTotalBytes(0);
    m_run->setDoneBytes(0);
    auto plan = planGlyphDrawing({ params.font, {}, params.glyphWidth, params.glyphHeight,
        params.offsetX, params.offsetY, params.hinting });
    if (!plan) {
        m_prepared = failure(plan.message());
        return 0;
    }
    m_plan = std::move(*plan);
    auto charSet = openNewFontCharSet(
        QFile::encodeName(params.CharSetFile).toStdString(), params.glyphWidth, params.glyphHeight);
    if (!charSet) {
        m_prepared = failure(charSet.message());
        return 0;
    }
    m_prepared = {};
    m_run->setTotalBytes(charSet->measure.totalBytes);
    m_charSet = std::move(charSet->source);
    return static_cast<std::uint32_t>(charSet->measure.glyphCount);
}

bool ThreadCreateFont::SetBuffers(
    std::span<std::uint8_t> pixelData, std::span<std::uint16_t> codeTable, std::uint32_t glyphCount)
{
    auto font = claimNewFontArrays(
        pixelData, codeTable, glyphCount, m_params.glyphWidth, m_params.glyphHeight);
    m_font = font ? *font : NewFontArrays {};
    return font.ok();
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
    // Drawers that cannot be made (no drawing surface) leave every glyph blank.
    if (m_plan && m_charSet) {
        (void)drawCharSetOnThreads(
            *m_charSet, glyphSourceOpener(*m_plan), drawingThreadCount(), m_font, *m_run);
    }
    m_charSet.reset();
}

} // namespace tessellon
