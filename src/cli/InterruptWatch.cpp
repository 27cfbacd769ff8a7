#include "cli/InterruptWatch.h"

#include <array>

#include <pthread.h>

namespace tessellon::cli {

namespace {

    constexpr std::array interruptions { SIGINT, SIGTERM, SIGHUP };

    bool isIgnored(int signal)
    {
        struct sigaction action { };
        return ::sigaction(signal, nullptr, &action) == 0 && action.sa_handler == SIG_IGN;
    }

} // namespace

InterruptWatch::InterruptWatch(std::function<void()> onInterrupt)
    : m_onInterrupt(std::move(onInterrupt))
{
    sigemptyset(&m_watched);
    for (int signal : interruptions) {
        if (!isIgnored(signal)) {
            sigaddset(&m_watched, signal);
            m_wakeSignal = signal;
        }
    }
    ::pthread_sigmask(SIG_BLOCK, &m_watched, &m_previousMask);
    if (m_wakeSignal != 0) {
        m_thread = std::thread([this] { watch(); });
    }
}

InterruptWatch::~InterruptWatch()
{
    if (m_thread.joinable()) {
        // The thread waits for a watched signal: one sent to it alone ends the wait.
        m_closing.store(true, std::memory_order_release);
        ::pthread_kill(m_thread.native_handle(), m_wakeSignal);
        m_thread.join();
    }
    ::pthread_sigmask(SIG_SETMASK, &m_previousMask, nullptr);
}

void InterruptWatch::watch()
{
    for (;;) {
        int signal = 0;
        if (::sigwait(&m_watched, &signal) != 0) {
            continue;
        }
        if (m_closing.load(std::memory_order_acquire)) {
            return;
        }
        int none = 0;
        if (m_signal.compare_exchange_strong(none, signal, std::memory_order_acq_rel)) {
            m_onInterrupt();
        }
    }
}

int endBySignal(int signal)
{
    struct sigaction action { };
    action.sa_handler = SIG_DFL;
    sigemptyset(&action.sa_mask);
    ::sigaction(signal, &action, nullptr);
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, signal);
    ::pthread_sigmask(SIG_UNBLOCK, &set, nullptr);
    ::raise(signal);
    return 128 + signal;
}

} // namespace tessellon::cli
