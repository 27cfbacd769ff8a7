#pragma once

#include "export/BitPacker.h"
#include "export/GlyphMetrics.h"

#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace tessellon {

// The pixels of a glyph's box read row by row from the top-left, as alternating runs: so
// many background pixels, then so many ink pixels, and again. The last pair of a glyph may
// have no ink.
struct RunPair {
    int zeros = 0;
    int ones = 0;

    bool operator==(const RunPair&) const = default;
};

// Appends the pairs of the box's pixels in a bitmap of rows of rowBytes bytes each, the most
// significant bit leftmost; the box lies within the bitmap and holds ink.
void appendRunPairs(std::span<const std::uint8_t> bitmap, std::size_t rowBytes, const InkBox& box,
    std::vector<RunPair>& pairs);

// How many bits each of a pair's two counts takes in the stream (1 to 8).
struct RunWidths {
    int zeros = 1;
    int ones = 1;

    bool operator==(const RunWidths&) const = default;
};

// The most bits a count may take: u8g2 reads a count in one step of at most 8 bits.
inline constexpr int widestRunField = 8;

// The stream: each pair as its zeros then its ones count, followed by a 1 bit for every time
// the same pair comes again right after it and a 0 bit that closes it. Runs longer than a
// field holds are split: surplus zeros into pairs of the most zeros and no ink before the
// rest, surplus ink into a pair of the zeros and the most ink, pairs of no zeros and the
// most ink, and one of no zeros and the rest.
void writeRunLengths(BitPacker& out, std::span<const RunPair> pairs, RunWidths widths);

// The bits of one glyph's stream for every pair of widths, worked out from its pairs in one
// pass: the stream's pairs and its repeats are sums of what the zero counts, the ink counts
// and neighbouring pairs give for each width.
class RunLengthCosts {
public:
    explicit RunLengthCosts(std::span<const RunPair> pairs);

    // None for no pairs.
    int bits(RunWidths widths) const;

private:
    using PerWidth = std::array<int, widestRunField + 1>;

    void addZeros(RunPair pair);
    void addOnes(RunPair pair);
    void addNeighbours(RunPair before, RunPair after);
    void addNeighbourRepeats(
        int leastZeroBits, int mostZeroBits, int leastOneBits, int mostOneBits);
    void sumNeighbourRepeats();

    int m_pairs = 0;
    PerWidth m_zeroSplits {};
    PerWidth m_zeroRepeats {};
    PerWidth m_oneSplits {};
    PerWidth m_oneRepeats {};
    // Built as corner marks of the ranges of widths, then summed.
    std::array<std::array<int, widestRunField + 2>, widestRunField + 2> m_neighbourRepeats {};
};

} // namespace tessellon
