#include "creation/ThreadCreateFont.h"

#include "creation/CharSetFormat.h"
#include "creation/CharSetReader.h"
#include "creation/GlyphRenderer.h"
#include "creation/NewFontLimits.h"
#include "document/ByteSource.h"
#include "document/FontLib.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFile>

#include <algorithm>
#include <optional>
#include <vector>

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
    m_charSetPath = QFile::encodeName(params.CharSetFile).toStdString();
    m_totalBytes = 0;
    m_doneBytes = 0;
    m_error.clear();
    const CharSetMeasure measure = measureCharSetFile(m_charSetPath);
    if (!measure.opened) {
        m_error = measure.message;
        return 0;
    }
    m_totalBytes = measure.totalBytes;
    m_error = newFontSizeProblem(params.glyphWidth, params.glyphHeight, measure.glyphCount);
    return m_error.empty() ? static_cast<std::uint32_t>(measure.glyphCount) : 0;
}

bool ThreadCreateFont::SetBuffers(
    std::span<std::uint8_t> pixelData, std::span<std::uint16_t> codeTable, std::uint32_t glyphCount)
{
    const std::size_t glyphBytes = rowBytesFor(m_params.glyphWidth) * m_params.glyphHeight;
    if (pixelData.size() / std::max<std::size_t>(glyphBytes, 1) < glyphCount
        || codeTable.size() < glyphCount) {
        m_pixelData = nullptr;
        m_codeTable = nullptr;
        m_glyphCount = 0;
        return false;
    }
    m_pixelData = pixelData.data();
    m_codeTable = codeTable.data();
    m_glyphCount = glyphCount;
    m_glyphBytes = glyphBytes;
    std::fill_n(m_pixelData, glyphBytes * glyphCount, std::uint8_t { 0 });
    std::fill_n(m_codeTable, glyphCount, std::uint16_t { 0 });
    return true;
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
    if (m_totalBytes > 0) {
        emit progressChanged(static_cast<int>(m_doneBytes * 100 / m_totalBytes));
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
    auto source = FileByteSource::open(m_charSetPath);
    GlyphRenderer renderer;
    renderer.BeginRender(m_params.font, m_params.glyphWidth, m_params.glyphHeight, m_params.offsetX,
        m_params.offsetY);
    if (source) {
        CharSetReader reader(**source);
        drawGlyphs(reader, renderer);
    }
    renderer.EndRender();
}

// Glyph k goes into the font, then its hand-over is posted. While the GUI thread runs
// UpdateProgress for it, the worker reads and draws glyph k + 1 into a glyph of its own,
// which goes into the font only once the hand-over has been answered; so the font and the
// counters advance one glyph per hand-over, as if the worker had waited idle.
void ThreadCreateFont::drawGlyphs(CharSetReader& reader, GlyphRenderer& renderer)
{
    std::vector<std::uint8_t> glyph(m_glyphBytes, 0);
    std::optional<std::uint16_t> code = m_glyphCount > 0 ? reader.next() : std::nullopt;
    std::uint64_t position = reader.position();
    if (code) {
        renderer.RenderGlyph(glyph, *code);
    }
    for (std::uint32_t k = 0; code && !m_run->stopRequested(); ++k) {
        m_codeTable[k] = *code;
        std::copy(glyph.begin(), glyph.end(), m_pixelData + k * m_glyphBytes);
        m_doneBytes = position;
        const std::uint64_t ticket = m_run->post();

        code = k + 1 < m_glyphCount ? reader.next() : std::nullopt;
        position = reader.position();
        std::fill(glyph.begin(), glyph.end(), 0);
        if (code) {
            renderer.RenderGlyph(glyph, *code);
        }
        if (!m_run->awaitAnswer(ticket)) {
            break;
        }
    }
}

} // namespace tessellon
