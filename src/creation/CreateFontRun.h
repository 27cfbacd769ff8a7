#pragma once

#include "creation/NewFontArrays.h"
#include "document/Result.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <span>
#include <vector>

namespace tessellon {

// What the worker that draws a new font's glyphs and the other side of the run (the GUI
// thread, or the command line) share: the glyphs drawn and not yet taken, the progress
// counters, the stop request, and the notice that the worker has stopped.
//
// The worker hands every glyph over as soon as it is drawn and goes on drawing; the other
// side takes the glyphs in order and, for each, stores it in the font (code and bits), sets
// the done bytes and runs its update. So the font and the counters advance exactly one
// glyph per update, as if the worker had waited for each; only the other side writes the
// font's arrays. The worker waits only when it is a whole queue of glyphs ahead, and at the
// end until every glyph has been taken. After the stop request nothing more is taken: every
// glyph not taken by then stays blank, with code 0.
//
// The worker tells the other side that glyphs wait (the notify hook: posting an event to
// the GUI thread) not for every glyph but a few hundred times a second at most, so that a
// GUI thread is woken for a batch of glyphs, not once a glyph; a serving thread
// (serveUntilStopped) is woken the same way. answerOnPost takes each glyph as it is handed
// over, on the worker's own thread.
//
// The caller keeps the run (shared) after the worker object has released itself, so it can
// always learn when the worker has stopped.
class CreateFontRun {
public:
    using Hook = std::function<void()>;

    // Where taken glyphs are stored: the new font, set by the loop before its first
    // hand-over.
    void setFont(const NewFontArrays& font);

    // Called by the worker when glyphs wait to be taken and the other side has not been
    // told since it last took them; used to post an event to the GUI thread. Set it before
    // the worker starts.
    void setNotifyHook(Hook notify) { m_notify = std::move(notify); }

    // Takes every glyph as soon as it is handed over, running update for each, on the
    // worker's thread: for a caller that runs the font-making loop on its own thread.
    // Replaces the notify hook; set it before the loop starts.
    void answerOnPost(Hook update);

    // Progress ------------------------------------------------------------------------

    // The size of the character-set file (set before the worker starts) and the bytes of
    // it consumed with the glyphs taken so far (set as each glyph is taken).
    void setTotalBytes(std::uint64_t bytes) { m_totalBytes = bytes; }
    void setDoneBytes(std::uint64_t bytes) { m_doneBytes = bytes; }
    std::uint64_t totalBytes() const { return m_totalBytes; }
    std::uint64_t doneBytes() const { return m_doneBytes; }

    // doneBytes * 100 / totalBytes, or nothing while totalBytes is 0.
    std::optional<int> percentDone() const;

    // The other side -------------------------------------------------------------------

    // Asks the worker to stop before its next glyph; nothing more is taken. Any thread, any
    // number of times.
    void requestStop();
    bool stopRequested() const { return m_stop.load(std::memory_order_seq_cst); }

    // Takes the glyphs that wait, in order: stores each in the font, sets the done bytes and
    // runs update, until none waits or the stop request has been given (update may give
    // it). Call it from one thread at a time.
    void answerPending(const Hook& update);

    // Takes glyphs as they come, running update for each, until the worker has stopped.
    // For a caller whose thread does nothing else meanwhile.
    void serveUntilStopped(const Hook& update);

    // Gives the stop request and waits until the worker has stopped. Returns at once when
    // the worker has not begun: it will then hand nothing over.
    void stopAndWait();

    bool hasStopped() const { return m_state.load(std::memory_order_seq_cst) == State::Stopped; }

    // Worker side ----------------------------------------------------------------------

    // Called when the worker begins; false when the run was already stopped, and then the
    // worker must hand nothing over.
    bool enter();

    // Hands glyph number taken-so-far + waiting over: its code, its bits (glyphBytes of the
    // font) and the bytes of the character set consumed with it. Waits while a whole queue
    // of glyphs waits to be taken. False after the stop request: the glyph is not taken,
    // and the worker should stop.
    bool handOver(std::uint16_t code, std::span<const std::uint8_t> bits, std::uint64_t doneBytes);

    // After the last glyph: waits until the other side has taken every glyph handed over,
    // or the stop request. True when every glyph was taken.
    bool finishHandOvers();

    // The worker has stopped; it hands nothing more over.
    void markStopped();

    // Time the worker spent waiting for the other side; read it once the worker has stopped.
    std::chrono::nanoseconds handOverTime() const { return m_handOverTime; }

    // What the font-making loop ended with (drawNewFont's status), set by a worker that runs
    // it on a thread of its own before markStopped; read it once the worker has stopped.
    void setOutcome(Status outcome) { m_outcome = std::move(outcome); }
    const Status& outcome() const { return m_outcome; }

private:
    struct Waiting {
        std::uint16_t code = 0;
        std::uint64_t doneBytes = 0;
    };

    std::uint64_t waitingCount() const;
    bool mayTell(std::uint64_t waiting) const;
    void tell();
    void takeOne(std::uint64_t index, const Hook& update);
    void wakeAll();
    template <class Condition> void sleepUntil(Condition condition);

    Hook m_notify;
    bool m_tellEveryGlyph = false;
    NewFontArrays m_font;
    std::size_t m_capacity = 1;
    std::vector<Waiting> m_waiting; // a ring of m_capacity entries
    std::vector<std::uint8_t> m_waitingBits; // their bits, glyphBytes each
    std::uint64_t m_totalBytes = 0;
    std::uint64_t m_doneBytes = 0;
    std::chrono::nanoseconds m_handOverTime { 0 }; // the worker's own until it has stopped
    Status m_outcome; // the worker's own until it has stopped
    std::chrono::steady_clock::time_point m_lastTold {}; // the worker's own
    std::atomic<std::uint64_t> m_handedOver { 0 };
    std::atomic<std::uint64_t> m_taken { 0 };
    std::atomic<bool> m_told { false }; // the other side was told and has not taken since
    std::atomic<bool> m_stop { false };
    enum class State {
        Idle,
        Running,
        Stopped,
    };
    std::atomic<State> m_state { State::Idle };
    std::atomic<int> m_sleepers { 0 };
    std::mutex m_mutex;
    std::condition_variable m_changed;
};

} // namespace tessellon
