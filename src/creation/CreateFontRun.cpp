#include "creation/CreateFontRun.h"

#include <thread>

namespace tessellon {

namespace {

    // How long a waiting thread polls before it sleeps. The worker polls for the answer to
    // its hand-over (it has drawn the next glyph meanwhile, so the answer is usually there):
    // polling keeps the worker on its processor. A serving thread that polls answers without
    // being woken by the system, which costs the worker several microseconds a glyph; but
    // where it shares a processor with the worker it only keeps the worker from drawing,
    // and its polls run out. Then it sleeps at once for the next many hand-overs.
    constexpr std::chrono::microseconds workerSpin { 1000 };
    constexpr std::chrono::microseconds serverSpin { 100 };
    constexpr int serverPollPause = 256;

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
bool CreateFontRun::waitUntil(Condition condition, std::chrono::microseconds spin)
{
    if (spin.count() > 0) {
        const auto until = std::chrono::steady_clock::now() + spin;
        for (int round = 1;; ++round) {
            if (condition()) {
                return true;
            }
            relax();
            if (round % 64 == 0 && std::chrono::steady_clock::now() >= until) {
                break;
            }
        }
    }
    std::unique_lock lock(m_mutex);
    m_changed.wait(lock, condition);
    return false;
}

void CreateFontRun::notifyAll()
{
    // Taking the mutex orders this change before the check of a thread about to sleep.
    {
        std::lock_guard lock(m_mutex);
    }
    m_changed.notify_all();
}

void CreateFontRun::answerOnPost(Hook update)
{
    m_notify = [this, update = std::move(update)] { answerPending(update); };
}

std::optional<int> CreateFontRun::percentDone() const
{
    if (m_totalBytes == 0) {
        return std::nullopt;
    }
    return static_cast<int>(m_doneBytes * 100 / m_totalBytes);
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
    int sleepingWaits = 0;
    for (;;) {
        const auto spin = sleepingWaits > 0 ? std::chrono::microseconds(0) : serverSpin;
        const bool answeredWhilePolling
            = waitUntil([this] { return hasStopped() || isAnswerable(); }, spin);
        if (spin.count() > 0 && !answeredWhilePolling) {
            sleepingWaits = serverPollPause;
        } else if (sleepingWaits > 0) {
            --sleepingWaits;
        }
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
    waitUntil([this] { return hasStopped(); }, std::chrono::microseconds(0));
}

bool CreateFontRun::enter()
{
    auto idle = State::Idle;
    return m_state.compare_exchange_strong(idle, State::Running, std::memory_order_acq_rel);
}

bool CreateFontRun::handOver() { return awaitAnswer(post()); }

std::uint64_t CreateFontRun::post()
{
    if (stopRequested()) {
        return 0;
    }
    const std::uint64_t ticket = m_posted.fetch_add(1, std::memory_order_acq_rel) + 1;
    notifyAll();
    if (m_notify) {
        m_notify();
    }
    return ticket;
}

bool CreateFontRun::awaitAnswer(std::uint64_t ticket)
{
    if (ticket == 0) {
        return false;
    }
    const auto start = std::chrono::steady_clock::now();
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
