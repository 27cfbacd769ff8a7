#pragma once

#include "export/BitPacker.h"

#include <span>

namespace tessellon {

// The pixels of a glyph's box read row by row from the top-left, as alternating runs: so
// many background pixels, then so many ink pixels, and again. The last pair of a glyph may
// have no ink.
struct RunPair {
    int zeros = 0;
    int ones = 0;

    bool operator==(const RunPair&) const = default;
};

// How many bits each of a pair's two counts takes in the stream (1 to 8).
struct RunWidths {
    int zeros = 1;
    int ones = 1;

    bool operator==(const RunWidths&) const = default;
};

// What a glyph's stream length depends on while no run is longer than its field holds.
struct RunSummary {
    int longestZeros = 0;
    int longestOnes = 0;
    int groups = 0; // pairs that differ from the pair before them
    int repeats = 0; // pairs equal to the pair before them
};

RunSummary summarizeRuns(std::span<const RunPair> pairs);

// The stream: each pair as its zeros then its ones count, followed by a 1 bit for every time
// the same pair comes again right after it and a 0 bit that closes it. Runs longer than a
// field holds are split: surplus zeros into pairs of the most zeros and no ink, surplus ink
// into pairs of the most ink.
//
// The bits the stream of these pairs takes; none for no pairs.
int runLengthBits(std::span<const RunPair> pairs, const RunSummary& summary, RunWidths widths);

void writeRunLengths(BitPacker& out, std::span<const RunPair> pairs, RunWidths widths);

} // namespace tessellon
