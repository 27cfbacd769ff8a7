#pragma once

#include "creation/CreateFontRun.h"
#include "creation/NewFontSetUp.h"

#include <QThread>

#include <cstdint>
#include <memory>

namespace tessellon {

// The worker thread that draws the glyphs of a new font. Made on the GUI thread and not
// running until started; then, in this order on the GUI thread: setDrawing (what
// setUpNewFont gave: the character set, the plan, the font's arrays), optionally
// setReleaseOnEnd, start. Execute runs on the worker: the font-making loop (drawNewFont) on
// a thread a core, which hands every glyph over, in order, to the GUI thread; there, in
// batches, each glyph is stored in the font and UpdateProgress runs for it. The loop's
// status becomes the run's outcome. At the end it asks the GUI thread to close the progress
// display (closeProgressRequested).
//
// The caller keeps runState() to give the stop request, to learn when the worker has
// stopped (stopAndWait) and what the loop ended with (outcome), which is safe also after
// the worker has released itself. Deleting the worker gives the stop request and waits for
// the thread to end.
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

    // What the worker draws, and into which font: the drawing of a set-up font, whose font
    // the caller keeps. Only the GUI thread writes the font's arrays, while the window's
    // modal progress dialog runs, and the caller gives the stop request and waits for
    // runState()->stopAndWait() before it goes on with the font.
    void setDrawing(NewFontDrawing drawing);

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
    std::uint32_t glyphCount() const { return m_drawing.arrays.glyphCount; }

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
    NewFontDrawing m_drawing; // its character set open from setDrawing to the end of Execute
    HandOverRoute m_route = HandOverRoute::EventLoop;
};

} // namespace tessellon
