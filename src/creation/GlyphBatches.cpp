#include "creation/GlyphBatches.h"

namespace tessellon {

GlyphBatches::GlyphBatches(
    std::size_t glyphBytes, std::size_t glyphsPerBatch, std::size_t batchCount)
    : m_batches(batchCount)
    , m_states(batchCount, State::Free)
{
    for (GlyphBatch& batch : m_batches) {
        batch.codes.resize(glyphsPerBatch);
        batch.doneBytes.resize(glyphsPerBatch);
        batch.bits.resize(glyphsPerBatch * glyphBytes);
        batch.glyphBytes = glyphBytes;
    }
}

std::size_t GlyphBatches::slotOf(const GlyphBatch& batch) const
{
    return static_cast<std::size_t>(&batch - m_batches.data());
}

GlyphBatch* GlyphBatches::freeBatch()
{
    if (m_published - m_taken >= m_batches.size()) {
        return nullptr;
    }
    GlyphBatch& batch = m_batches[m_published % m_batches.size()];
    batch.count = 0;
    return &batch;
}

void GlyphBatches::publish()
{
    {
        std::lock_guard lock(m_mutex);
        m_states[m_published % m_batches.size()] = State::Published;
        ++m_published;
    }
    m_toDraw.notify_one();
}

GlyphBatch* GlyphBatches::waitForDrawn()
{
    const std::size_t slot = m_taken % m_batches.size();
    std::unique_lock lock(m_mutex);
    m_drawn.wait(lock, [&] { return m_states[slot] == State::Drawn || m_drawers == 0; });
    return m_states[slot] == State::Drawn ? &m_batches[slot] : nullptr;
}

void GlyphBatches::takeBack()
{
    std::lock_guard lock(m_mutex);
    m_states[m_taken % m_batches.size()] = State::Free;
    ++m_taken;
}

void GlyphBatches::close()
{
    {
        std::lock_guard lock(m_mutex);
        m_closed = true;
    }
    m_toDraw.notify_all();
}

GlyphBatch* GlyphBatches::batchToDraw()
{
    std::unique_lock lock(m_mutex);
    m_toDraw.wait(lock, [&] { return m_closed || m_handedToDrawer < m_published; });
    if (m_closed) {
        return nullptr;
    }
    const std::size_t slot = m_handedToDrawer++ % m_batches.size();
    m_states[slot] = State::Drawing;
    return &m_batches[slot];
}

void GlyphBatches::markDrawn(const GlyphBatch& batch)
{
    {
        std::lock_guard lock(m_mutex);
        m_states[slotOf(batch)] = State::Drawn;
    }
    m_drawn.notify_one();
}

void GlyphBatches::join()
{
    std::lock_guard lock(m_mutex);
    ++m_drawers;
}

void GlyphBatches::leave()
{
    {
        std::lock_guard lock(m_mutex);
        --m_drawers;
    }
    m_drawn.notify_one();
}

} // namespace tessellon
