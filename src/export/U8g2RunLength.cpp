#include "export/U8g2RunLength.h"

#include <algorithm>
#include <bit>

namespace tessellon {

namespace {

    int mostIn(int bits) { return (1 << bits) - 1; }

    // The fewest bits that hold the count, at least 1.
    int bitsFor(int count)
    {
        return std::max(1, static_cast<int>(std::bit_width(static_cast<unsigned>(count))));
    }

    // The zeros of the last pair a count of zeros is split into.
    int zerosLeft(int zeros, int bits)
    {
        return zeros <= mostIn(bits) ? zeros : (zeros - 1) % mostIn(bits) + 1;
    }

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

void writeRunLengths(BitPacker& out, std::span<const RunPair> pairs, RunWidths widths)
{
    PairWriter writer(out, widths);
    for (const RunPair& pair : pairs) {
        splitPair(pair, widths, writer);
    }
    writer.close();
}

RunLengthCosts::RunLengthCosts(std::span<const RunPair> pairs)
    : m_pairs(static_cast<int>(pairs.size()))
{
    for (std::size_t i = 0; i < pairs.size(); ++i) {
        addZeros(pairs[i]);
        addOnes(pairs[i]);
        if (i + 1 < pairs.size()) {
            addNeighbours(pairs[i], pairs[i + 1]);
        }
    }
}

int RunLengthCosts::bits(RunWidths widths) const
{
    const int pairs = m_pairs + m_zeroSplits[widths.zeros] + m_oneSplits[widths.ones];
    const int repeats = m_zeroRepeats[widths.zeros] + m_oneRepeats[widths.ones]
        + m_neighbourRepeats[widths.zeros][widths.ones];
    const int groupBits = widths.zeros + widths.ones + 1;
    return pairs * groupBits - repeats * (groupBits - 1);
}

// Split zeros: pairs of the most zeros, each after the first a repeat, then the rest with the
// ink, itself a repeat when it is the most zeros and no ink.
void RunLengthCosts::addZeros(RunPair pair)
{
    for (int bits = 1; bits <= widestRunField && mostIn(bits) < pair.zeros; ++bits) {
        const int full = (pair.zeros - 1) / mostIn(bits);
        const int rest = pair.zeros - full * mostIn(bits);
        m_zeroSplits[bits] += full;
        m_zeroRepeats[bits] += full - 1 + (pair.ones == 0 && rest == mostIn(bits) ? 1 : 0);
    }
}

// Split ink: (zeros, most ink), then pairs of (0, most ink), then (0, rest). The pairs of no
// zeros repeat each other, and the first of them repeats the pair before when there are no
// zeros at all.
void RunLengthCosts::addOnes(RunPair pair)
{
    for (int bits = 1; bits <= widestRunField && mostIn(bits) < pair.ones; ++bits) {
        const int full = (pair.ones - 1) / mostIn(bits);
        const int rest = pair.ones - full * mostIn(bits);
        const bool afterNoZeros = full >= 2 || pair.zeros == 0;
        m_oneSplits[bits] += full;
        m_oneRepeats[bits] += std::max(full - 2, 0) + (full >= 2 && pair.zeros == 0 ? 1 : 0)
            + (rest == mostIn(bits) && afterNoZeros ? 1 : 0);
    }
}

// The first pair of `after` repeats the last of `before` when `after`'s zeros are not split
// and equal what is left of `before`'s zeros, and `before`'s ink is not split and equals
// `after`'s once that is split. (A split pair of zeros never repeats the pair before, which
// has ink; nor does a pair after split ink, which ends in no zeros.)
void RunLengthCosts::addNeighbours(RunPair before, RunPair after)
{
    if (after.zeros > before.zeros || after.ones < before.ones) {
        return;
    }
    // Equal ink: every width that holds it; more ink after: the width whose most it is.
    const int leastOneBits = bitsFor(before.ones);
    const int mostOneBits = after.ones == before.ones ? widestRunField
        : mostIn(leastOneBits) == before.ones         ? leastOneBits
                                                      : 0;
    if (leastOneBits > mostOneBits) {
        return;
    }
    for (int zeroBits = bitsFor(after.zeros); zeroBits <= widestRunField; ++zeroBits) {
        if (zerosLeft(before.zeros, zeroBits) != after.zeros) {
            continue;
        }
        for (int oneBits = leastOneBits; oneBits <= mostOneBits; ++oneBits) {
            ++m_neighbourRepeats[zeroBits][oneBits];
        }
    }
}

} // namespace tessellon
