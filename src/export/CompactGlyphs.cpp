#include "export/CompactGlyphs.h"

#include <algorithm>
#include <numeric>
#include <string_view>
#include <unordered_map>

namespace tessellon {

namespace {

    std::uint16_t codeOf(const FontLib& font, std::uint32_t index)
    {
        return font.codeTable ? (*font.codeTable)[index] : static_cast<std::uint16_t>(index);
    }

    // Glyph indexes in code order, the first glyph of each code only.
    std::vector<std::uint32_t> glyphsByCode(const FontLib& font)
    {
        std::vector<std::uint32_t> order(font.info.glyphCount);
        std::iota(order.begin(), order.end(), 0u);
        std::stable_sort(order.begin(), order.end(),
            [&](std::uint32_t a, std::uint32_t b) { return codeOf(font, a) < codeOf(font, b); });
        const auto last = std::unique(order.begin(), order.end(),
            [&](std::uint32_t a, std::uint32_t b) { return codeOf(font, a) == codeOf(font, b); });
        order.erase(last, order.end());
        return order;
    }

    class RowNumbers {
    public:
        std::uint32_t numberOf(std::span<const std::uint8_t> row)
        {
            const std::string_view key(reinterpret_cast<const char*>(row.data()), row.size());
            const auto [place, added]
                = m_numbers.try_emplace(key, static_cast<std::uint32_t>(m_rows.size()));
            if (added) {
                m_rows.push_back(row);
            }
            return place->second;
        }
        std::vector<std::span<const std::uint8_t>> rows() && { return std::move(m_rows); }

    private:
        std::unordered_map<std::string_view, std::uint32_t> m_numbers;
        std::vector<std::span<const std::uint8_t>> m_rows;
    };

} // namespace

CompactGlyphs collectCompactGlyphs(const FontLib& font)
{
    CompactGlyphs collected;
    RowNumbers numbers;
    const std::size_t rowBytes = font.rowBytes();
    for (const std::uint32_t index : glyphsByCode(font)) {
        CompactGlyph glyph { codeOf(font, index), inkBox(font, index), {} };
        const auto pixels = font.glyph(index);
        for (int y = glyph.box ? glyph.box->y : 0; glyph.box && y < glyph.box->bottom(); ++y) {
            glyph.rows.push_back(numbers.numberOf(pixels.subspan(y * rowBytes, rowBytes)));
        }
        collected.glyphs.push_back(std::move(glyph));
    }
    collected.distinctRows = std::move(numbers).rows();
    return collected;
}

std::vector<CodeRun> codeRuns(const std::vector<CompactGlyph>& glyphs)
{
    std::vector<CodeRun> runs;
    for (const CompactGlyph& glyph : glyphs) {
        if (!runs.empty() && runs.back().first + runs.back().length == glyph.code) {
            ++runs.back().length;
        } else {
            runs.push_back({ glyph.code, 1 });
        }
    }
    return runs;
}

} // namespace tessellon
