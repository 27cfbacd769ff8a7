#include "creation/CreateFontRun.h"

#include <thread>

namespace tessellon {

namespace {

    // How long a waiting thread polls before it sleeps. The worker polls for the answer to
    // its hand-over, which comes within microseconds once the serving thread runs: polling
    // keeps the worker on its processor, where sleeping would make each hand-over wait for
    // two wake-ups. The serving thread sleeps at once between hand-overs: on a busy machine
    // a polling server only takes processor time from the worker it waits for.
    constexpr std::chrono::microseconds workerSpin { 1000 };
    constexpr std::chrono::microseconds serverSpin { 0 };

    inline void relax()
    {
#if defined(__x86_64__) || defined(__i386__)
        __builtin_ia32_pause();
#else
        std::this_thread::yield();
#endif
    }

} // namespace

template <class Condition>
void CreateFontRun::waitUntil(Condition condition, std::chrono::microseconds spin)
{
    if (spin.count() > 0) {
        const auto until = std::chrono::steady_clock::now() + spin;
        for (int round = 1;; ++round) {
            if (condition()) {
                return;
            }
            relax();
            if (round % 64 == 0 && std::chrono::steady_clock::now() >= until) {
                break;
            }
        }
    }
    std::unique_lock lock(m_mutex);
    m_changed.wait(lock, condition);
}

void CreateFontRun::notifyAll()
{
    // Taking the mutex orders this change before the check of a thread about to sleep.
    {
        std::lock_guard lock(m_mutex);
    }
    m_changed.notify_all();
}

void CreateFontRun::requestStop()
{
    m_stop.store(true, std::memory_order_release);
    notifyAll();
}

bool CreateFontRun::isAnswerable() const
{
    return m_posted.load(std::memory_order_acquire) != m_answered.load(std::memory_order_relaxed)
        && !stopRequested();
}

void CreateFontRun::answerPending(const Hook& update)
{
    if (!isAnswerable()) {
        return;
    }
    const std::uint64_t posted = m_posted.load(std::memory_order_acquire);
    update();
    m_answered.store(posted, std::memory_order_release);
    notifyAll();
}

void CreateFontRun::serveUntilStopped(const Hook& update)
{
    for (;;) {
        waitUntil([this] { return hasStopped() || isAnswerable(); }, serverSpin);
        if (!isAnswerable()) {
            return;
        }
        answerPending(update);
    }
}

void CreateFontRun::stopAndWait()
{
    requestStop();
    auto idle = State::Idle;
    if (m_state.compare_exchange_strong(idle, State::Stopped, std::memory_order_acq_rel)) {
        notifyAll();
        return;
    }
    waitUntil([this] { return hasStopped(); }, serverSpin);
}

bool CreateFontRun::enter()
{
    auto idle = State::Idle;
    return m_state.compare_exchange_strong(idle, State::Running, std::memory_order_acq_rel);
}

bool CreateFontRun::handOver()
{
    if (stopRequested()) {
        return false;
    }
    const auto start = std::chrono::steady_clock::now();
    const std::uint64_t ticket = m_posted.fetch_add(1, std::memory_order_acq_rel) + 1;
    notifyAll();
    if (m_notify) {
        m_notify();
    }
    waitUntil(
        [this, ticket] {
            return m_answered.load(std::memory_order_acquire) >= ticket || stopRequested();
        },
        workerSpin);
    m_handOverTime += std::chrono::steady_clock::now() - start;
    return !stopRequested();
}

void CreateFontRun::markStopped()
{
    m_state.store(State::Stopped, std::memory_order_release);
    notifyAll();
}

} // namespace tessellon
