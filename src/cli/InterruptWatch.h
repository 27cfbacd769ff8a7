#pragma once

#include <atomic>
#include <functional>
#include <thread>

#include <signal.h>

namespace tessellon::cli {

// Keeps SIGINT, SIGTERM and SIGHUP from ending a command half-way, so that an interrupted
// command can stop, remove its temporary files and leave its output as it was before it
// ends. While the watch lives the signals are blocked in the thread that made it and in
// every thread made after it; a thread of the watch's own takes them and calls
// onInterrupt, once, on that thread. Make it before any other thread. A signal that the
// program was started with ignored stays ignored.
class InterruptWatch {
public:
    explicit InterruptWatch(std::function<void()> onInterrupt);
    // Restores the signal mask; a signal that comes after this ends the process as usual.
    ~InterruptWatch();
    InterruptWatch(const InterruptWatch&) = delete;
    InterruptWatch& operator=(const InterruptWatch&) = delete;

    // The signal taken, or 0.
    int signalNumber() const { return m_signal.load(std::memory_order_acquire); }

private:
    void watch();

    std::function<void()> m_onInterrupt;
    sigset_t m_watched {};
    sigset_t m_previousMask {};
    int m_wakeSignal = 0;
    std::atomic<int> m_signal { 0 };
    std::atomic<bool> m_closing { false };
    std::thread m_thread;
};

// Ends the process by signal as the signal's default action would, for a command that has
// cleaned up after an interruption. Returns 128 + signal only where that fails.
int endBySignal(int signal);

} // namespace tessellon::cli
