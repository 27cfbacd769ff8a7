#include "export/U8g2RunLength.h"

#include <algorithm>

namespace tessellon {

namespace {

    int mostIn(int bits) { return (1 << bits) - 1; }

    // Calls emit(pair, times) for the pairs that carry `pair` within the widths, in order.
    template <class Emit> void splitPair(RunPair pair, RunWidths widths, Emit&& emit)
    {
        const int mostZeros = mostIn(widths.zeros);
        const int mostOnes = mostIn(widths.ones);
        int zeros = pair.zeros;
        if (zeros > mostZeros) {
            const int full = (zeros - 1) / mostZeros;
            emit(RunPair { mostZeros, 0 }, full);
            zeros -= full * mostZeros;
        }
        int ones = pair.ones;
        if (ones > mostOnes) {
            const int full = (ones - 1) / mostOnes;
            emit(RunPair { zeros, mostOnes }, 1);
            if (full > 1) {
                emit(RunPair { 0, mostOnes }, full - 1);
            }
            zeros = 0;
            ones -= full * mostOnes;
        }
        if (zeros > 0 || ones > 0) {
            emit(RunPair { zeros, ones }, 1);
        }
    }

    class BitCount {
    public:
        explicit BitCount(RunWidths widths)
            : m_groupBits(widths.zeros + widths.ones + 1)
        {
        }

        void operator()(RunPair pair, int times)
        {
            const bool repeated = m_started && pair == m_last;
            m_bits += repeated ? times : m_groupBits + times - 1;
            m_started = true;
            m_last = pair;
        }

        int bits() const { return m_bits; }

    private:
        int m_groupBits;
        int m_bits = 0;
        bool m_started = false;
        RunPair m_last;
    };

    class PairWriter {
    public:
        PairWriter(BitPacker& out, RunWidths widths)
            : m_out(out)
            , m_widths(widths)
        {
        }

        void operator()(RunPair pair, int times)
        {
            const bool repeated = m_started && pair == m_last;
            if (!repeated) {
                if (m_started) {
                    m_out.put(0, 1);
                }
                m_out.put(static_cast<std::uint32_t>(pair.zeros), m_widths.zeros);
                m_out.put(static_cast<std::uint32_t>(pair.ones), m_widths.ones);
                --times;
            }
            for (; times > 0; --times) {
                m_out.put(1, 1);
            }
            m_started = true;
            m_last = pair;
        }

        void close()
        {
            if (m_started) {
                m_out.put(0, 1);
            }
        }

    private:
        BitPacker& m_out;
        RunWidths m_widths;
        bool m_started = false;
        RunPair m_last;
    };

} // namespace

RunSummary summarizeRuns(std::span<const RunPair> pairs)
{
    RunSummary summary;
    for (std::size_t i = 0; i < pairs.size(); ++i) {
        summary.longestZeros = std::max(summary.longestZeros, pairs[i].zeros);
        summary.longestOnes = std::max(summary.longestOnes, pairs[i].ones);
        if (i > 0 && pairs[i] == pairs[i - 1]) {
            ++summary.repeats;
        } else {
            ++summary.groups;
        }
    }
    return summary;
}

int runLengthBits(std::span<const RunPair> pairs, const RunSummary& summary, RunWidths widths)
{
    if (summary.longestZeros <= mostIn(widths.zeros)
        && summary.longestOnes <= mostIn(widths.ones)) {
        return summary.groups * (widths.zeros + widths.ones + 1) + summary.repeats;
    }
    BitCount count(widths);
    for (const RunPair& pair : pairs) {
        splitPair(pair, widths, count);
    }
    return count.bits();
}

void writeRunLengths(BitPacker& out, std::span<const RunPair> pairs, RunWidths widths)
{
    PairWriter writer(out, widths);
    for (const RunPair& pair : pairs) {
        splitPair(pair, widths, writer);
    }
    writer.close();
}

} // namespace tessellon
