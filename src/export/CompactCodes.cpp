#include "export/CompactCodes.h"

#include <algorithm>
#include <map>
#include <optional>

namespace tessellon {

namespace {

    std::vector<int> valuesByFrequency(const std::vector<int>& values)
    {
        std::map<int, std::size_t> counts;
        for (const int value : values) {
            ++counts[value];
        }
        std::vector<int> order;
        for (const auto& [value, count] : counts) {
            order.push_back(value);
        }
        std::stable_sort(
            order.begin(), order.end(), [&](int a, int b) { return counts.at(a) > counts.at(b); });
        return order;
    }

    std::size_t fieldBits(const FieldCode& code, const std::vector<int>& values)
    {
        std::size_t bits = code.list.size() * static_cast<std::size_t>(code.rawBits);
        for (const int value : values) {
            bits += code.bitsOf(value);
        }
        return bits;
    }

    // How a row that is not a repeat is used: how often, and the pixels it takes each time.
    struct RowUse {
        std::uint32_t row = 0;
        std::size_t count = 0;
        std::size_t pixels = 0;
    };

    struct Literals {
        std::size_t flagBits = 0; // of the repeat flags
        std::size_t rows = 0;
        std::size_t pixels = 0;
        std::vector<RowUse> uses;
    };

    Literals literalRows(const CompactGlyphs& glyphs, bool sameRows)
    {
        Literals literals;
        std::vector<RowUse> uses(glyphs.distinctRows.size());
        for (const CompactGlyph& glyph : glyphs.glyphs) {
            for (std::size_t y = 0; y < glyph.rows.size(); ++y) {
                if (sameRows && y > 0) {
                    ++literals.flagBits;
                    if (glyph.rows[y] == glyph.rows[y - 1]) {
                        continue;
                    }
                }
                RowUse& use = uses[glyph.rows[y]];
                use.row = glyph.rows[y];
                ++use.count;
                use.pixels += static_cast<std::size_t>(glyph.box->width);
                ++literals.rows;
                literals.pixels += static_cast<std::size_t>(glyph.box->width);
            }
        }
        for (const RowUse& use : uses) {
            if (use.count > 0) {
                literals.uses.push_back(use);
            }
        }
        return literals;
    }

    struct Candidate {
        RowCode code;
        std::size_t bits = 0;
    };

    // The dictionary of at most 2^placeBits rows that saves the most bits, and what it costs.
    Candidate withDictionary(
        const Literals& literals, bool sameRows, int placeBits, std::size_t cellWidth)
    {
        const auto saving = [&](const RowUse& use) {
            return static_cast<long long>(use.pixels)
                - static_cast<long long>(use.count * placeBits + cellWidth);
        };
        std::vector<RowUse> uses = literals.uses;
        std::stable_sort(uses.begin(), uses.end(),
            [&](const RowUse& a, const RowUse& b) { return saving(a) > saving(b); });
        const std::size_t limit
            = std::min<std::size_t>(std::size_t { 1 } << placeBits, RowCode::maxDictionary);
        Candidate candidate { { sameRows, {} }, literals.flagBits + literals.pixels };
        std::size_t pixelsSaved = 0;
        std::size_t dictionaryUses = 0;
        for (std::size_t i = 0; i < uses.size() && i < limit && saving(uses[i]) > 0; ++i) {
            candidate.code.dictionary.push_back(uses[i].row);
            pixelsSaved += uses[i].pixels;
            dictionaryUses += uses[i].count;
        }
        const std::size_t entries = candidate.code.dictionary.size();
        if (entries > 0) {
            candidate.bits
                += literals.rows + dictionaryUses * bitsFor(entries) + entries * cellWidth;
            candidate.bits -= pixelsSaved;
        }
        std::sort(candidate.code.dictionary.begin(), candidate.code.dictionary.end());
        return candidate;
    }

} // namespace

std::size_t FieldCode::bitsOf(int value) const
{
    const auto place = std::find(list.begin(), list.end(), value);
    if (place != list.end()) {
        return static_cast<std::size_t>(place - list.begin()) + 1;
    }
    return list.size() + static_cast<std::size_t>(rawBits);
}

void FieldCode::write(BitWriter& out, int value) const
{
    const auto place = std::find(list.begin(), list.end(), value);
    const auto ones = static_cast<int>(place - list.begin());
    out.put((1u << ones) - 1, ones);
    if (place != list.end()) {
        out.put(0, 1);
    } else {
        out.put(static_cast<std::uint32_t>(value), rawBits);
    }
}

FieldCode chooseFieldCode(const std::vector<int>& values, int rawBits)
{
    const std::vector<int> order = valuesByFrequency(values);
    FieldCode best { {}, rawBits };
    std::size_t bestBits = fieldBits(best, values);
    for (std::size_t size = 1; size <= std::min(order.size(), FieldCode::maxList); ++size) {
        const FieldCode candidate { { order.begin(), order.begin() + size }, rawBits };
        const std::size_t bits = fieldBits(candidate, values);
        if (bits < bestBits) {
            best = candidate;
            bestBits = bits;
        }
    }
    return best;
}

RowCode chooseRowCode(const CompactGlyphs& glyphs, int cellWidth)
{
    std::optional<Candidate> best;
    for (const bool sameRows : { false, true }) {
        const Literals literals = literalRows(glyphs, sameRows);
        for (int placeBits = 0; placeBits <= bitsFor(RowCode::maxDictionary); ++placeBits) {
            Candidate candidate = withDictionary(
                literals, sameRows, placeBits, static_cast<std::size_t>(cellWidth));
            if (!best || candidate.bits < best->bits) {
                best = std::move(candidate);
            }
        }
    }
    return best->code;
}

} // namespace tessellon
