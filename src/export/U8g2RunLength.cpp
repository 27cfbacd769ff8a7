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

    // `count` pixels (up to 64) of a row from pixel x on, the first in the most significant
    // bit; the bits after them are 0.
    std::uint64_t pixelsFrom(std::span<const std::uint8_t> row, int x, int count)
    {
        const auto first = static_cast<std::size_t>(x / 8);
        const auto last = static_cast<std::size_t>((x + count - 1) / 8);
        std::uint64_t pixels = 0;
        for (std::size_t i = first; i <= std::min(last, first + 7); ++i) {
            pixels |= std::uint64_t { row[i] } << (56 - 8 * (i - first));
        }
        const int shift = x % 8;
        if (shift > 0) {
            pixels <<= shift;
            if (last == first + 8) {
                pixels |= row[last] >> (8 - shift);
            }
        }
        return count == 64 ? pixels : pixels & ~(~std::uint64_t { 0 } >> count);
    }

    class PairCollector {
    public:
        explicit PairCollector(std::vector<RunPair>& pairs)
            : m_pairs(pairs)
        {
        }

        void add(bool ink, int length)
        {
            if (ink) {
                m_pair.ones += length;
                return;
            }
            if (m_pair.ones > 0) {
                m_pairs.push_back(m_pair);
                m_pair = {};
            }
            m_pair.zeros += length;
        }

        void finish() { m_pairs.push_back(m_pair); }

    private:
        std::vector<RunPair>& m_pairs;
        RunPair m_pair;
    };

    void collectRow(PairCollector& pairs, std::span<const std::uint8_t> row, int left, int width)
    {
        for (int x = left; x < left + width; x += 64) {
            const int count = std::min(64, left + width - x);
            std::uint64_t pixels = pixelsFrom(row, x, count);
            for (int done = 0; done < count;) {
                const bool ink = (pixels >> 63) != 0;
                const int run = std::min(
                    ink ? std::countl_one(pixels) : std::countl_zero(pixels), count - done);
                pairs.add(ink, run);
                pixels = run < 64 ? pixels << run : 0;
                done += run;
            }
        }
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
                // The 0 bit that closes the pair before, then the counts.
                const int closing = m_started ? 1 : 0;
                const auto counts = static_cast<std::uint32_t>(pair.zeros)
                    | static_cast<std::uint32_t>(pair.ones) << m_widths.zeros;
                m_out.put(counts << closing, closing + m_widths.zeros + m_widths.ones);
                --times;
            }
            for (; times > 0; times -= std::min(times, 16)) {
                const int bits = std::min(times, 16);
                m_out.put((1u << bits) - 1, bits);
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

void appendRunPairs(std::span<const std::uint8_t> bitmap, std::size_t rowBytes, const InkBox& box,
    std::vector<RunPair>& pairs)
{
    PairCollector collector(pairs);
    for (int y = box.y; y < box.bottom(); ++y) {
        collectRow(collector, bitmap.subspan(y * rowBytes, rowBytes), box.x, box.width);
    }
    collector.finish();
}

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
    sumNeighbourRepeats();
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
    if (leastOneBits > std::min(mostOneBits, widestRunField)) {
        return;
    }
    // Equal zeros: every width that holds them; fewer zeros after: the widths that split
    // `before`'s so that they are left.
    const int leastZeroBits = bitsFor(after.zeros);
    if (leastZeroBits > widestRunField) {
        return;
    }
    if (after.zeros == before.zeros) {
        addNeighbourRepeats(leastZeroBits, widestRunField, leastOneBits, mostOneBits);
        return;
    }
    const int mostZeroBits = std::min(widestRunField, bitsFor(before.zeros) - 1);
    for (int zeroBits = leastZeroBits; zeroBits <= mostZeroBits; ++zeroBits) {
        if (zerosLeft(before.zeros, zeroBits) == after.zeros) {
            addNeighbourRepeats(zeroBits, zeroBits, leastOneBits, mostOneBits);
        }
    }
}

// One more repeat for every pair of widths in the ranges: marks at the corners that the
// sums over smaller widths turn into the ranges.
void RunLengthCosts::addNeighbourRepeats(
    int leastZeroBits, int mostZeroBits, int leastOneBits, int mostOneBits)
{
    ++m_neighbourRepeats[leastZeroBits][leastOneBits];
    --m_neighbourRepeats[leastZeroBits][mostOneBits + 1];
    --m_neighbourRepeats[mostZeroBits + 1][leastOneBits];
    ++m_neighbourRepeats[mostZeroBits + 1][mostOneBits + 1];
}

void RunLengthCosts::sumNeighbourRepeats()
{
    for (int zeroBits = 1; zeroBits <= widestRunField; ++zeroBits) {
        for (int oneBits = 1; oneBits <= widestRunField; ++oneBits) {
            m_neighbourRepeats[zeroBits][oneBits] += m_neighbourRepeats[zeroBits - 1][oneBits]
                + m_neighbourRepeats[zeroBits][oneBits - 1]
                - m_neighbourRepeats[zeroBits - 1][oneBits - 1];
        }
    }
}

} // namespace tessellon
