#pragma once

#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <mutex>
#include <span>
#include <vector>

namespace tessellon {

// A batch of consecutive glyphs of a new font: their codes, the bytes of the character set
// consumed with each, and room for their bits (glyphBytes each).
struct GlyphBatch {
    std::vector<std::uint16_t> codes;
    std::vector<std::uint64_t> doneBytes;
    std::vector<std::uint8_t> bits;
    std::size_t count = 0;
    std::size_t glyphBytes = 0;

    std::span<std::uint8_t> glyph(std::size_t i)
    {
        return std::span(bits).subspan(i * glyphBytes, glyphBytes);
    }
};

// The batches between the thread that reads a character set and hands its glyphs over in
// order (the leader) and the threads that draw them. The leader fills batches and publishes
// them, in order; each drawing thread takes the oldest batch nobody draws yet, draws it whole
// and marks it drawn; the leader takes the batches back in the order it published them,
// whichever thread drew them, so the glyphs come out in the character set's order.
//
// A ring of a fixed number of batches: the leader fills a batch only when it is free, so the
// memory stays bounded however long the character set is.
class GlyphBatches {
public:
    // Batches of up to glyphsPerBatch glyphs of glyphBytes each; batchCount of them.
    GlyphBatches(std::size_t glyphBytes, std::size_t glyphsPerBatch, std::size_t batchCount);

    // Leader side ------------------------------------------------------------------------

    // The batch to fill next (emptied), or nullptr while every batch is published and not
    // yet taken back.
    GlyphBatch* freeBatch();
    // Hands the batch from freeBatch over to the drawing threads.
    void publish();
    // Whether a published batch has not been taken back yet.
    bool anyPublished() const { return m_published > m_taken; }
    // Waits until the oldest published batch has been drawn and gives it; nullptr when no
    // drawing thread is left to draw it.
    GlyphBatch* waitForDrawn();
    // Frees the batch from waitForDrawn.
    void takeBack();
    // No batch follows: the drawing threads end once they have drawn what they hold.
    void close();

    // Drawing side -----------------------------------------------------------------------

    // Waits for a batch that nobody draws yet and gives it, the oldest first; nullptr once
    // the leader has closed the ring.
    GlyphBatch* batchToDraw();
    void markDrawn(const GlyphBatch& batch);
    // A drawing thread ends (at close, or because it cannot draw).
    void leave();
    // Counts a drawing thread in; call it before the thread starts.
    void join();

private:
    enum class State {
        Free,
        Published,
        Drawing,
        Drawn,
    };

    std::size_t slotOf(const GlyphBatch& batch) const;

    std::vector<GlyphBatch> m_batches;
    std::vector<State> m_states;
    // Counts of batches since the start, in the order the leader published them; only the
    // leader changes the first two, under m_mutex.
    std::uint64_t m_published = 0;
    std::uint64_t m_taken = 0;
    std::uint64_t m_handedToDrawer = 0; // under m_mutex
    int m_drawers = 0; // under m_mutex
    bool m_closed = false; // under m_mutex
    mutable std::mutex m_mutex;
    std::condition_variable m_toDraw;
    std::condition_variable m_drawn;
};

} // namespace tessellon
