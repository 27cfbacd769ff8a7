#pragma once

#include "export/BitWriter.h"
#include "export/CompactGlyphs.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace tessellon {

// How one field of the ink boxes is written: the value list[i] as i 1s and a 0, any other
// value as list.size() 1s and the value itself in rawBits bits.
struct FieldCode {
    static constexpr std::size_t maxList = 7;

    std::vector<int> list;
    int rawBits = 0;

    std::size_t bitsOf(int value) const;
    void write(BitWriter& out, int value) const;
};

// The list (the most frequent values first) that writes these values in the fewest bits,
// the list itself included.
FieldCode chooseFieldCode(const std::vector<int>& values, int rawBits);

// How the rows of the glyphs' ink boxes are written. Each row after a glyph's first may be
// the row before it again (a 1 when sameRows); a row of the dictionary is a 1 and its place
// (when the dictionary is not empty, a 0 precedes any other row); any other row is its pixels.
struct RowCode {
    static constexpr std::size_t maxDictionary = 4095;

    bool sameRows = false;
    // Numbers of rows of CompactGlyphs::distinctRows.
    std::vector<std::uint32_t> dictionary;
};

// The row code that writes the glyphs' rows and its dictionary in the fewest bits, found by
// counting the bits of each candidate: with and without repeated rows, and for each width
// of a dictionary place the rows that save the most.
RowCode chooseRowCode(const CompactGlyphs& glyphs, int cellWidth);

} // namespace tessellon
