#include "export/U8g2RunLength.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace tessellon {
namespace {

    // Pairs as a glyph gives them (only the first may lack zeros, only the last ink, and there
    // is ink), often
    // repeating the pair before, with counts that are sometimes a field's most or a multiple
    // of it, and sometimes long.
    std::vector<RunPair> glyphPairs(std::mt19937& random)
    {
        const auto count = [&](int least) {
            switch (random() % 4) {
            case 0:
                return least + static_cast<int>(random() % 4);
            case 1:
                return (1 << (1 + random() % 9)) - 1;
            case 2:
                return static_cast<int>(((1u << (1 + random() % 6)) - 1) * (2 + random() % 3));
            default:
                return least + static_cast<int>(random() % 700);
            }
        };
        std::vector<RunPair> pairs;
        const std::size_t length = 1 + random() % 12;
        for (std::size_t i = 0; i < length; ++i) {
            const bool last = i + 1 == length;
            if (i > 0 && random() % 3 == 0 && pairs.back().zeros > 0) {
                pairs.push_back(pairs.back());
                continue;
            }
            const int zeros = i == 0 && random() % 2 ? 0 : count(1);
            const int ones = last && zeros > 0 && random() % 2 ? 0 : count(1);
            pairs.push_back({ zeros, ones });
        }
        return pairs;
    }

    // Neighbours with counts at and beyond what 8 bits hold, then random pairs.
    std::vector<std::vector<RunPair>> pairLists()
    {
        std::vector<std::vector<RunPair>> lists { { { 5, 511 }, { 5, 700 } },
            { { 300, 1 }, { 300, 1 } }, { { 1, 255 }, { 1, 300 } }, { { 256, 3 }, { 1, 3 } },
            { { 0, 256 }, { 256, 0 } } };
        std::mt19937 random(7);
        for (int round = 0; round < 400; ++round) {
            lists.push_back(glyphPairs(random));
        }
        return lists;
    }

    TEST(U8g2RunLength, CostsAreTheBitsTheStreamTakesForEveryWidth)
    {
        const std::vector<std::vector<RunPair>> lists = pairLists();
        for (std::size_t round = 0; round < lists.size(); ++round) {
            const std::vector<RunPair>& pairs = lists[round];
            const RunLengthCosts costs(pairs);
            for (int zeros = 1; zeros <= widestRunField; ++zeros) {
                for (int ones = 1; ones <= widestRunField; ++ones) {
                    std::vector<std::uint8_t> bytes;
                    BitPacker out(bytes);
                    writeRunLengths(out, pairs, { zeros, ones });
                    ASSERT_EQ(costs.bits({ zeros, ones }), static_cast<int>(out.bits()))
                        << "round " << round << ", widths " << zeros << " and " << ones;
                }
            }
        }
    }

} // namespace
} // namespace tessellon
