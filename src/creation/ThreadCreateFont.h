#pragma once

#include "creation/CreateFontParams.h"
#include "creation/CreateFontRun.h"
#include "creation/FontMaking.h"
#include "creation/GlyphDrawing.h"
#include "document/Result.h"

#include <QThread>

#include <cstdint>
#include <memory>
#include <optional>
#include <span>

namespace tessellon {

// The worker thread that draws the glyphs of a new font. Made on the GUI thread and not
// running until started; then, in this order on the GUI thread: Prepare (measures the
// character-set file and gives the glyph count), SetBuffers (the font's arrays, cleared
// here), optionally setReleaseOnEnd, start. Execute runs on the worker: the font-making
// loop (drawCharSetOnThreads) with a drawer of the chosen style (openGlyphDrawer) on a
// thread a core, which hands every glyph over, in order, to the GUI thread; there, in
// batches, each glyph is stored in the font and UpdateProgress runs for it. At the end it asks the
// GUI thread to close the progress display (closeProgressRequested).
//
// The caller keeps runState() to give the stop request and to learn when the worker has
// stopped (stopAndWait), which is safe also after the worker has released itself. Deleting
// the worker gives the stop request and waits for the thread to end.
class ThreadCreateFont : public QThread {
    Q_OBJECT

public:
    // How hand-overs reach the GUI thread.
    enum class HandOverRoute {
        EventLoop, // posted to the GUI thread's event loop (a dialog's modal loop serves it)
        Direct, // the GUI thread calls serveUntilStopped and does nothing else meanwhile
    };

    explicit ThreadCreateFont(QObject* parent = nullptr);
    ~ThreadCreateFont() override;

    // Copies the parameters, finds what the glyphs are drawn with, opens the character-set
    // file and measures it. Returns the glyph count: 0 when the file cannot be opened, the
    // glyph size is not supported, the font would be too large or the font's file cannot be
    // found for the style (prepareStatus() says which).
    std::uint32_t Prepare(const CreateFontParams& params);
    const Status& prepareStatus() const { return m_prepared; }
    // The rows of each glyph above the baseline its characters are drawn on (from Prepare's
    // font, glyph height and offset), for the new font to keep; none outside the cell.
    std::optional<int> baseline() const { return m_baseline; }

    // Keeps views of the font's arrays for filling and clears glyphCount glyphs and codes in
    // them. False, with nothing kept, when they are too short for glyphCount glyphs. The
    // views point into the font of the child window that makes it; only the GUI thread
    // writes through them, while the window's modal progress dialog runs, and the window
    // gives the stop request and waits for runState()->stopAndWait() before it goes on with
    // the font.
    bool SetBuffers(std::span<std::uint8_t> pixelData, std::span<std::uint16_t> codeTable,
        std::uint32_t glyphCount);

    // The object deletes itself (on the GUI thread) once the thread has finished.
    void setReleaseOnEnd(bool release);
    void setHandOverRoute(HandOverRoute route);

    // For Direct hand-overs: takes every glyph, running UpdateProgress for each, until the
    // worker has stopped. Call on the thread that made the worker, after start.
    void serveUntilStopped();

    std::shared_ptr<CreateFontRun> runState() const { return m_run; }

    // Progress counters; on the GUI thread read them only inside UpdateProgress (the
    // progressChanged handlers) or after the worker has stopped.
    std::uint64_t totalBytes() const { return m_run->totalBytes(); }
    std::uint64_t doneBytes() const { return m_run->doneBytes(); }
    std::uint32_t glyphCount() const { return m_font.glyphCount; }

signals:
    // doneBytes * 100 / totalBytes, after every glyph (on the GUI thread).
    void progressChanged(int percent);
    // The worker has finished its run: the progress display can close.
    void closeProgressRequested();

protected:
    void run() override;
    bool event(QEvent* event) override;

    virtual void Execute();
    void UpdateProgress();

private:
    std::shared_ptr<CreateFontRun> m_run;
    CreateFontParams m_params;
    std::optional<GlyphDrawingPlan> m_plan; // from Prepare
    Status m_prepared;
    std::optional<int> m_baseline;
    std::unique_ptr<ByteSource> m_charSet; // open from Prepare to the end of Execute
    NewFontArrays m_font;
    HandOverRoute m_route = HandOverRoute::EventLoop;
};

} // namespace tessellon
