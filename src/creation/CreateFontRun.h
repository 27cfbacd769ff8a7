#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>

namespace tessellon {

// What the GUI thread and the worker of one font-making run share besides the font's
// arrays: the stop request, the progress counters, the synchronous progress hand-over
// after every glyph, and the notice that the worker has stopped writing. The caller keeps
// it (shared) after the worker object has released itself, so it can always learn when the
// arrays are its own again.
//
// A hand-over is answered either from the GUI thread's event loop (the worker's notify
// hook posts an event there, whose handler calls answerPending), by a thread that serves
// hand-overs directly (serveUntilStopped), or on the worker's own thread as it is posted
// (answerOnPost). Both sides poll before they sleep, the serving side only while polling
// pays (see CreateFontRun.cpp), so that a hand-over between two processors costs no system
// call.
//
// The worker never waits for an answer after the stop request: a GUI thread that stops,
// closes or goes away gives the stop request and so releases it.
class CreateFontRun {
public:
    using Hook = std::function<void()>;

    // Called by the worker after it has published a hand-over, before it waits; used to
    // post the hand-over to the GUI thread's event loop. Set it before the worker starts.
    void setNotifyHook(Hook notify) { m_notify = std::move(notify); }

    // Answers every hand-over with update as soon as it is posted, on the worker's thread:
    // for a caller that runs the font-making loop on its own thread. Replaces the notify
    // hook; set it before the loop starts.
    void answerOnPost(Hook update);

    // Progress ------------------------------------------------------------------------

    // The size of the character-set file (set before the worker starts) and the bytes of
    // it consumed so far (set by the worker before each hand-over). Read them on the GUI
    // side only inside an update or once the worker has stopped.
    void setTotalBytes(std::uint64_t bytes) { m_totalBytes = bytes; }
    void setDoneBytes(std::uint64_t bytes) { m_doneBytes = bytes; }
    std::uint64_t totalBytes() const { return m_totalBytes; }
    std::uint64_t doneBytes() const { return m_doneBytes; }

    // doneBytes * 100 / totalBytes, or nothing while totalBytes is 0.
    std::optional<int> percentDone() const;

    // GUI side -------------------------------------------------------------------------

    // Asks the worker to stop before its next glyph; a hand-over in progress returns at
    // once. Any thread, any number of times.
    void requestStop();
    bool stopRequested() const { return m_stop.load(std::memory_order_acquire); }

    // Runs update for a published hand-over that is not yet answered, then releases the
    // worker. Nothing happens when none is pending or after the stop request.
    void answerPending(const Hook& update);

    // Answers every hand-over with update until the worker has stopped writing. For a
    // caller whose thread does nothing else meanwhile (the command line).
    void serveUntilStopped(const Hook& update);

    // Gives the stop request and waits until the worker has stopped writing. Returns at
    // once when the worker has not begun: it will then write nothing.
    void stopAndWait();

    bool hasStopped() const { return m_state.load(std::memory_order_acquire) == State::Stopped; }

    // Worker side ----------------------------------------------------------------------

    // Called when the worker begins; false when the run was already stopped, and then the
    // worker must write nothing.
    bool enter();

    // Publishes a hand-over and waits until it has been answered or the stop request has
    // been given. True when the worker may go on: answered, and no stop request.
    bool handOver();

    // The two halves of a hand-over, for a worker that has something to do before the
    // answer can come: post publishes it (0 after the stop request), awaitAnswer waits as
    // handOver does. Nothing the update reads may change in between.
    std::uint64_t post();
    bool awaitAnswer(std::uint64_t ticket);

    // The worker will write nothing more into the font's arrays.
    void markStopped();

    // Time the worker spent waiting for answers; read it once the worker has stopped.
    std::chrono::nanoseconds handOverTime() const { return m_handOverTime; }

private:
    // True when the condition came true while polling, false when the thread slept.
    template <class Condition> bool waitUntil(Condition condition, std::chrono::microseconds spin);
    void notifyAll();
    bool isAnswerable() const;

    Hook m_notify;
    std::uint64_t m_totalBytes = 0;
    std::uint64_t m_doneBytes = 0;
    std::chrono::nanoseconds m_handOverTime { 0 }; // worker's own until it has stopped
    std::atomic<std::uint64_t> m_posted { 0 };
    std::atomic<std::uint64_t> m_answered { 0 };
    std::atomic<bool> m_stop { false };
    enum class State {
        Idle,
        Running,
        Stopped,
    };
    std::atomic<State> m_state { State::Idle };
    std::mutex m_mutex;
    std::condition_variable m_changed;
};

} // namespace tessellon
