#include "creation/CreateFontRun.h"

#include <algorithm>

namespace tessellon {

namespace {

    using Clock = std::chrono::steady_clock;

    // How many glyphs the worker may be ahead of the other side: enough to ride out a GUI
    // thread that is busy (or not scheduled) for a while, in little memory.
    constexpr std::size_t queueBytes = 256 * 1024;
    constexpr std::size_t maxQueueGlyphs = 256;

    // The worker tells the other side of waiting glyphs at most this often, unless half
    // the queue waits: a GUI thread is woken for a batch, and still sees progress and
    // answers Cancel within a few milliseconds.
    constexpr std::chrono::milliseconds tellInterval { 4 };

} // namespace

void CreateFontRun::setFont(const NewFontArrays& font)
{
    m_font = font;
    m_capacity = font.glyphBytes > 0
        ? std::clamp<std::size_t>(queueBytes / font.glyphBytes, 2, maxQueueGlyphs)
        : maxQueueGlyphs;
    m_waiting.assign(m_capacity, {});
    m_waitingBits.assign(m_capacity * font.glyphBytes, 0);
}

void CreateFontRun::answerOnPost(Hook update)
{
    m_tellEveryGlyph = true;
    m_notify = [this, update = std::move(update)] { answerPending(update); };
}

std::optional<int> CreateFontRun::percentDone() const
{
    if (m_totalBytes == 0) {
        return std::nullopt;
    }
    return static_cast<int>(m_doneBytes * 100 / m_totalBytes);
}

// A thread counts itself as a sleeper before it checks its condition; a thread that has
// changed what the condition reads and then finds no sleeper knows that any later sleeper
// will see the change (all of it in one order, seq_cst), and need not wake anybody. So a
// run where nobody waits costs no lock and no system call per glyph.
template <class Condition> void CreateFontRun::sleepUntil(Condition condition)
{
    std::unique_lock lock(m_mutex);
    m_sleepers.fetch_add(1, std::memory_order_seq_cst);
    m_changed.wait(lock, condition);
    m_sleepers.fetch_sub(1, std::memory_order_seq_cst);
}

void CreateFontRun::wakeAll()
{
    if (m_sleepers.load(std::memory_order_seq_cst) == 0) {
        return;
    }
    // Taking the mutex orders this change before the check of a thread about to sleep.
    {
        std::lock_guard lock(m_mutex);
    }
    m_changed.notify_all();
}

void CreateFontRun::requestStop()
{
    m_stop.store(true, std::memory_order_seq_cst);
    wakeAll();
}

std::uint64_t CreateFontRun::waitingCount() const
{
    return m_handedOver.load(std::memory_order_relaxed) - m_taken.load(std::memory_order_seq_cst);
}

bool CreateFontRun::mayTell(std::uint64_t waiting) const
{
    return m_tellEveryGlyph || waiting >= m_capacity / 2
        || Clock::now() - m_lastTold >= tellInterval;
}

// The other side clears m_told before it looks for glyphs, and the worker sets it after it
// has handed one over; either the other side sees the glyph, or the worker sees the flag
// cleared and tells again.
void CreateFontRun::tell()
{
    if (m_told.exchange(true, std::memory_order_seq_cst)) {
        return;
    }
    if (!m_tellEveryGlyph) {
        m_lastTold = Clock::now();
    }
    wakeAll();
    if (m_notify) {
        m_notify();
    }
}

bool CreateFontRun::handOver(
    std::uint16_t code, std::span<const std::uint8_t> bits, std::uint64_t doneBytes)
{
    if (stopRequested()) {
        return false;
    }
    const std::uint64_t handed = m_handedOver.load(std::memory_order_relaxed);
    if (waitingCount() >= m_capacity) {
        tell();
        const auto start = Clock::now();
        sleepUntil([this, handed] {
            return handed - m_taken.load(std::memory_order_seq_cst) < m_capacity || stopRequested();
        });
        m_handOverTime += Clock::now() - start;
        if (stopRequested()) {
            return false;
        }
    }
    const std::size_t slot = handed % m_capacity;
    m_waiting[slot] = { code, doneBytes };
    const std::size_t size = std::min(bits.size(), m_font.glyphBytes);
    std::copy_n(bits.begin(), size, m_waitingBits.begin() + slot * m_font.glyphBytes);
    m_handedOver.store(handed + 1, std::memory_order_seq_cst);
    if (mayTell(waitingCount())) {
        tell();
    }
    return true;
}

bool CreateFontRun::finishHandOvers()
{
    const std::uint64_t handed = m_handedOver.load(std::memory_order_relaxed);
    if (waitingCount() > 0) {
        tell();
        const auto start = Clock::now();
        sleepUntil([this, handed] {
            return m_taken.load(std::memory_order_seq_cst) == handed || stopRequested();
        });
        m_handOverTime += Clock::now() - start;
    }
    return m_taken.load(std::memory_order_seq_cst) == handed;
}

void CreateFontRun::takeOne(std::uint64_t index, const Hook& update)
{
    const std::size_t slot = index % m_capacity;
    if (index < m_font.glyphCount) {
        m_font.codeTable[index] = m_waiting[slot].code;
        const auto bits = m_waitingBits.begin() + slot * m_font.glyphBytes;
        std::copy_n(bits, m_font.glyphBytes, m_font.pixelData.begin() + index * m_font.glyphBytes);
    }
    m_doneBytes = m_waiting[slot].doneBytes;
    update();
}

void CreateFontRun::answerPending(const Hook& update)
{
    m_told.store(false, std::memory_order_seq_cst);
    bool tookAny = false;
    while (!stopRequested()) {
        const std::uint64_t taken = m_taken.load(std::memory_order_relaxed);
        if (taken == m_handedOver.load(std::memory_order_seq_cst)) {
            break;
        }
        takeOne(taken, update);
        m_taken.store(taken + 1, std::memory_order_seq_cst);
        tookAny = true;
    }
    if (tookAny) {
        wakeAll();
    }
}

void CreateFontRun::serveUntilStopped(const Hook& update)
{
    // A worker that ends normally waits until every glyph has been taken before it stops.
    while (!hasStopped()) {
        sleepUntil([this] { return m_told.load(std::memory_order_seq_cst) || hasStopped(); });
        answerPending(update);
    }
}

void CreateFontRun::stopAndWait()
{
    requestStop();
    auto idle = State::Idle;
    if (m_state.compare_exchange_strong(idle, State::Stopped, std::memory_order_seq_cst)) {
        wakeAll();
        return;
    }
    sleepUntil([this] { return hasStopped(); });
}

bool CreateFontRun::enter()
{
    auto idle = State::Idle;
    return m_state.compare_exchange_strong(idle, State::Running, std::memory_order_acq_rel);
}

void CreateFontRun::markStopped()
{
    m_state.store(State::Stopped, std::memory_order_seq_cst);
    wakeAll();
}

} // namespace tessellon
