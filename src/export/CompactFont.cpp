#include "export/CompactFont.h"

#include "export/BitWriter.h"
#include "export/CompactCodes.h"
#include "export/CompactGlyphs.h"

#include <algorithm>
#include <array>
#include <string>

namespace tessellon {

namespace {

    constexpr int maxAdvanceField = 255;
    // The index of glyph positions takes at most this share of the glyphs' bits.
    constexpr std::size_t indexShare = 16;
    constexpr int maxStrideLog = 15;

    enum BoxField { top, bottom, left, rightLess1 };
    using BoxValues = std::array<int, 4>;

    struct BoxCodes {
        std::array<FieldCode, 4> fields;
        // What an empty glyph is written as: a box whose bottom is its top.
        BoxValues empty {};
    };

    BoxValues boxFields(const CompactGlyph& glyph, const BoxValues& empty)
    {
        if (!glyph.box) {
            return empty;
        }
        const InkBox& box = *glyph.box;
        return { box.y, box.bottom(), box.x, box.right() - 1 };
    }

    std::array<FieldCode, 4> chooseFieldCodes(
        const std::array<std::vector<int>, 4>& values, int width, int height)
    {
        const int verticalBits = bitsFor(static_cast<std::uint64_t>(height) + 1);
        const std::array<int, 4> rawBits { verticalBits, verticalBits, bitsFor(width),
            bitsFor(width) };
        std::array<FieldCode, 4> codes;
        for (int field = top; field <= rightLess1; ++field) {
            codes[field] = chooseFieldCode(values[field], rawBits[field]);
        }
        return codes;
    }

    // The codes of the ink glyphs' fields make the first value of each list the cheapest
    // for an empty glyph; the codes are then chosen again with the empty glyphs counted.
    BoxCodes chooseBoxCodes(const std::vector<CompactGlyph>& glyphs, int width, int height)
    {
        std::array<std::vector<int>, 4> values;
        const auto addValues = [&](const BoxValues& fields) {
            for (int field = top; field <= rightLess1; ++field) {
                values[field].push_back(fields[field]);
            }
        };
        for (const CompactGlyph& glyph : glyphs) {
            if (glyph.box) {
                addValues(boxFields(glyph, {}));
            }
        }
        BoxCodes codes { chooseFieldCodes(values, width, height), {} };
        const auto firstOf = [&](int field) {
            return codes.fields[field].list.empty() ? 0 : codes.fields[field].list.front();
        };
        codes.empty = { firstOf(top), firstOf(top), firstOf(left), firstOf(rightLess1) };
        if (codes.empty[left] > codes.empty[rightLess1]) {
            codes.empty[left] = 0;
        }
        for (const CompactGlyph& glyph : glyphs) {
            if (!glyph.box) {
                addValues(codes.empty);
            }
        }
        codes.fields = chooseFieldCodes(values, width, height);
        return codes;
    }

    Status checkInput(const FontLib& font, const AdvanceRule& advance, int baseline)
    {
        const int height = font.info.glyphHeight;
        if (font.info.glyphCount == 0) {
            return failure("The font has no glyphs to export.");
        }
        if (baseline < 0 || baseline > height) {
            return failure("The baseline (" + std::to_string(baseline)
                + " rows above it) must lie within the cell's " + std::to_string(height)
                + " rows.");
        }
        const int space = advance.spaceWidth.value_or(defaultSpaceWidth(height));
        if (advance.proportional
            && (advance.gap < 0 || advance.gap > maxAdvanceField || space < 0
                || space > maxAdvanceField)) {
            return failure("The compact format holds a gap and a space width of 0 to "
                + std::to_string(maxAdvanceField) + " pixels, not " + std::to_string(advance.gap)
                + " and " + std::to_string(space) + ".");
        }
        return {};
    }

    void writeHeader(BitWriter& out, const FontLib& font, const AdvanceRule& advance, int baseline)
    {
        out.put(compactFontFormat, 8);
        out.put(font.info.glyphWidth - 1u, 8);
        out.put(font.info.glyphHeight - 1u, 8);
        out.put(static_cast<std::uint32_t>(baseline), 9);
        out.put(advance.proportional, 1);
        if (advance.proportional) {
            out.put(static_cast<std::uint32_t>(advance.gap), 8);
            out.put(static_cast<std::uint32_t>(
                        advance.spaceWidth.value_or(defaultSpaceWidth(font.info.glyphHeight))),
                8);
        }
    }

    void writeRuns(BitWriter& out, const std::vector<CodeRun>& runs)
    {
        std::uint32_t maxGap = 0;
        std::uint32_t maxLength = 0;
        for (std::size_t i = 0; i < runs.size(); ++i) {
            if (i > 0) {
                maxGap = std::max(maxGap, runs[i].first - runs[i - 1].first - runs[i - 1].length);
            }
            maxLength = std::max(maxLength, runs[i].length);
        }
        const int gapBits = bitsFor(maxGap);
        const int lengthBits = bitsFor(maxLength);
        out.put(static_cast<std::uint32_t>(gapBits), 5);
        out.put(static_cast<std::uint32_t>(lengthBits), 5);
        out.put(static_cast<std::uint32_t>(runs.size()), 16);
        for (std::size_t i = 0; i < runs.size(); ++i) {
            if (i == 0) {
                out.put(runs[i].first, 16);
            } else {
                out.put(runs[i].first - runs[i - 1].first - runs[i - 1].length - 1, gapBits);
            }
            out.put(runs[i].length - 1, lengthBits);
        }
    }

    void writeBoxCodes(BitWriter& out, const BoxCodes& codes)
    {
        for (const FieldCode& field : codes.fields) {
            out.put(static_cast<std::uint32_t>(field.list.size()), 3);
            for (const int value : field.list) {
                out.put(static_cast<std::uint32_t>(value), field.rawBits);
            }
        }
    }

    void writeDictionary(
        BitWriter& out, const CompactGlyphs& glyphs, const RowCode& rows, int cellWidth)
    {
        out.put(rows.sameRows, 1);
        out.put(static_cast<std::uint32_t>(rows.dictionary.size()), 12);
        for (const std::uint32_t row : rows.dictionary) {
            out.putPixels(glyphs.distinctRows[row], 0, cellWidth);
        }
    }

    void writeRow(BitWriter& out, const CompactGlyphs& glyphs, const RowCode& code,
        const CompactGlyph& glyph, std::size_t y)
    {
        const std::uint32_t row = glyph.rows[y];
        if (code.sameRows && y > 0) {
            out.put(row == glyph.rows[y - 1], 1);
            if (row == glyph.rows[y - 1]) {
                return;
            }
        }
        const auto& dictionary = code.dictionary;
        if (!dictionary.empty()) {
            const auto place = std::lower_bound(dictionary.begin(), dictionary.end(), row);
            const bool found = place != dictionary.end() && *place == row;
            out.put(found, 1);
            if (found) {
                out.put(static_cast<std::uint32_t>(place - dictionary.begin()),
                    bitsFor(dictionary.size()));
                return;
            }
        }
        out.putPixels(glyphs.distinctRows[row], glyph.box->x, glyph.box->width);
    }

    struct GlyphStream {
        BitWriter bits;
        // Where each glyph begins.
        std::vector<std::size_t> offsets;
        std::size_t rowBits = 0;
    };

    GlyphStream writeGlyphs(const CompactGlyphs& glyphs, const BoxCodes& boxes, const RowCode& rows)
    {
        GlyphStream stream;
        BitWriter& out = stream.bits;
        for (const CompactGlyph& glyph : glyphs.glyphs) {
            stream.offsets.push_back(out.bitCount());
            const auto fields = boxFields(glyph, boxes.empty);
            for (int field = top; field <= rightLess1; ++field) {
                boxes.fields[field].write(out, fields[field]);
            }
            const std::size_t rowsStart = out.bitCount();
            for (std::size_t y = 0; y < glyph.rows.size(); ++y) {
                writeRow(out, glyphs, rows, glyph, y);
            }
            stream.rowBits += out.bitCount() - rowsStart;
        }
        return stream;
    }

    // Every 2^strideLog-th glyph's offset, the first one's (0) left out: the densest index
    // within its share of the glyphs' bits.
    void writeIndex(BitWriter& out, const std::vector<std::size_t>& offsets, std::size_t glyphBits)
    {
        const int offsetBits = bitsFor(glyphBits);
        const std::size_t budget = glyphBits / indexShare;
        int strideLog = 0;
        while (strideLog < maxStrideLog
            && ((offsets.size() - 1) >> strideLog) * static_cast<std::size_t>(offsetBits)
                > budget) {
            ++strideLog;
        }
        out.put(static_cast<std::uint32_t>(strideLog), 4);
        out.put(static_cast<std::uint32_t>(offsetBits), 5);
        for (std::size_t i = std::size_t { 1 } << strideLog; i < offsets.size();
             i += std::size_t { 1 } << strideLog) {
            out.put(static_cast<std::uint32_t>(offsets[i]), offsetBits);
        }
    }

} // namespace

Result<EncodedFont> encodeCompactFont(const FontLib& font, const AdvanceRule& advance, int baseline)
{
    if (Status checked = checkInput(font, advance, baseline); !checked) {
        return failure(checked.message());
    }
    const int width = font.info.glyphWidth;
    const CompactGlyphs glyphs = collectCompactGlyphs(font);
    const BoxCodes boxes = chooseBoxCodes(glyphs.glyphs, width, font.info.glyphHeight);
    const RowCode rows = chooseRowCode(glyphs, width);
    const GlyphStream stream = writeGlyphs(glyphs, boxes, rows);

    BitWriter out;
    writeHeader(out, font, advance, baseline);
    writeRuns(out, codeRuns(glyphs.glyphs));
    writeBoxCodes(out, boxes);
    writeDictionary(out, glyphs, rows, width);
    const std::size_t pixelBits = stream.rowBits + rows.dictionary.size() * width;
    writeIndex(out, stream.offsets, stream.bits.bitCount());
    out.append(stream.bits);
    return EncodedFont { out.bytes(), (pixelBits + 4) / 8 };
}

} // namespace tessellon
