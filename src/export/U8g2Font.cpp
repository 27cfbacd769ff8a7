#include "export/U8g2Font.h"

#include "export/BitPacker.h"
#include "export/U8g2RunLength.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <optional>
#include <span>
#include <string>

namespace tessellon {

namespace {

    constexpr std::size_t headerBytes = 23;
    constexpr std::uint16_t lastOneByteCode = 0xFF;
    // A glyph's length sits in one byte: the jump to the glyph after it.
    constexpr std::size_t mostGlyphBytes = 255;
    // The decoder keeps glyph boxes, offsets, advances and the font's box in signed bytes.
    constexpr int mostSigned = 127;
    constexpr int leastSigned = -128;

    struct Glyph {
        std::uint16_t code = 0;
        std::uint32_t index = 0;
        int width = 0;
        int height = 0;
        int x = 0; // left edge, right of the pen
        int y = 0; // bottom edge, above the baseline
        int advance = 0;
        std::size_t firstPair = 0;
        std::size_t pairCount = 0;

        int top() const { return y + height; }
        bool hasInk() const { return width > 0; }
        std::size_t prefixBytes() const { return code > lastOneByteCode ? 3 : 2; }
    };

    struct FieldWidths {
        int width = 1;
        int height = 1;
        int x = 1;
        int y = 1;
        int advance = 1;

        int total() const { return width + height + x + y + advance; }
    };

    // The union of the glyphs' ink boxes, from the pen and the baseline.
    struct FontBox {
        int left = 0;
        int right = 0;
        int bottom = 0;
        int top = 0;
    };

    struct FontPlan {
        std::vector<Glyph> glyphs; // by code
        std::vector<RunPair> pairs;
        FontBox box;
        FieldWidths fields;
        RunWidths runs;

        std::span<const RunPair> pairsOf(const Glyph& glyph) const
        {
            return { pairs.data() + glyph.firstPair, glyph.pairCount };
        }
    };

    std::uint16_t codeOf(const FontLib& font, std::uint32_t index)
    {
        return font.codeTable ? (*font.codeTable)[index] : static_cast<std::uint16_t>(index);
    }

    std::vector<Glyph> firstGlyphOfEachCode(const FontLib& font)
    {
        constexpr std::uint32_t none = std::numeric_limits<std::uint32_t>::max();
        std::vector<std::uint32_t> firstOf(0x10000, none);
        for (std::uint32_t i = 0; i < font.info.glyphCount; ++i) {
            std::uint32_t& first = firstOf[codeOf(font, i)];
            first = std::min(first, i);
        }
        std::vector<Glyph> glyphs;
        for (std::uint32_t code = 0; code < firstOf.size(); ++code) {
            if (firstOf[code] != none) {
                Glyph& glyph = glyphs.emplace_back();
                glyph.code = static_cast<std::uint16_t>(code);
                glyph.index = firstOf[code];
            }
        }
        return glyphs;
    }

    std::string glyphName(const FontLib& font, const Glyph& glyph)
    {
        char name[32];
        if (font.codeTable) {
            std::snprintf(name, sizeof name, "glyph U+%04X", static_cast<unsigned>(glyph.code));
        } else {
            std::snprintf(name, sizeof name, "glyph %u", static_cast<unsigned>(glyph.index));
        }
        return name;
    }

    bool fitsSigned(int value) { return value >= leastSigned && value <= mostSigned; }

    void placeGlyph(const GlyphMetric& metric, int baseline, Glyph& glyph)
    {
        glyph.advance = metric.advance;
        if (metric.ink) {
            glyph.width = metric.ink->width;
            glyph.height = metric.ink->height;
            glyph.x = metric.ink->x;
            glyph.y = baseline - metric.ink->bottom();
        }
    }

    Status checkGlyphLimits(const FontLib& font, const Glyph& glyph)
    {
        const std::string name = glyphName(font, glyph);
        if (glyph.width > mostSigned || glyph.height > mostSigned) {
            return failure(name + "'s ink is " + std::to_string(glyph.width) + " x "
                + std::to_string(glyph.height) + " pixels; u8g2 glyphs are at most "
                + std::to_string(mostSigned) + " pixels wide and high");
        }
        if (!fitsSigned(glyph.x)) {
            return failure(name + "'s ink starts " + std::to_string(glyph.x)
                + " pixels right of the pen; u8g2 holds offsets from -128 to 127");
        }
        if (!fitsSigned(glyph.y)) {
            return failure(name + "'s ink ends " + std::to_string(std::abs(glyph.y)) + " rows "
                + (glyph.y < 0 ? "below" : "above")
                + " the baseline; u8g2 holds offsets from -128 to 127");
        }
        if (!fitsSigned(glyph.advance)) {
            return failure(name + " advances the pen by " + std::to_string(glyph.advance)
                + " pixels; u8g2 holds advances from -128 to 127");
        }
        return {};
    }

    void addRuns(const FontLib& font, const InkBox& box, Glyph& glyph, std::vector<RunPair>& pairs)
    {
        glyph.firstPair = pairs.size();
        appendRunPairs(font.glyph(glyph.index), font.rowBytes(), box, pairs);
        glyph.pairCount = pairs.size() - glyph.firstPair;
    }

    FontBox fontBoxOf(const std::vector<Glyph>& glyphs)
    {
        FontBox box;
        bool first = true;
        for (const Glyph& glyph : glyphs) {
            if (!glyph.hasInk()) {
                continue;
            }
            const FontBox own { glyph.x, glyph.x + glyph.width, glyph.y, glyph.top() };
            box = first ? own
                        : FontBox { std::min(box.left, own.left), std::max(box.right, own.right),
                              std::min(box.bottom, own.bottom), std::max(box.top, own.top) };
            first = false;
        }
        return box;
    }

    Status checkFontBox(const FontBox& box)
    {
        if (box.right - box.left > mostSigned) {
            return failure("the font's ink spans " + std::to_string(box.right - box.left)
                + " pixels across; a u8g2 font's box is at most 127 wide");
        }
        if (box.top - box.bottom > mostSigned) {
            return failure("the font's ink spans " + std::to_string(box.top - box.bottom)
                + " rows from top to bottom; a u8g2 font's box is at most 127 high");
        }
        if (box.top > mostSigned) {
            return failure("the font's ink reaches " + std::to_string(box.top)
                + " rows above the baseline; u8g2 holds at most 127");
        }
        return {};
    }

    int unsignedBits(int value)
    {
        int bits = 1;
        while ((value >> bits) != 0) {
            ++bits;
        }
        return bits;
    }

    int signedBits(int value)
    {
        int bits = 1;
        while (value < -(1 << (bits - 1)) || value >= (1 << (bits - 1))) {
            ++bits;
        }
        return bits;
    }

    // The narrowest fields that hold every glyph's values: wider ones only lengthen glyphs.
    FieldWidths fieldWidthsFor(const std::vector<Glyph>& glyphs)
    {
        FieldWidths fields;
        for (const Glyph& glyph : glyphs) {
            fields.width = std::max(fields.width, unsignedBits(glyph.width));
            fields.height = std::max(fields.height, unsignedBits(glyph.height));
            fields.x = std::max(fields.x, signedBits(glyph.x));
            fields.y = std::max(fields.y, signedBits(glyph.y));
            fields.advance = std::max(fields.advance, signedBits(glyph.advance));
        }
        return fields;
    }

    struct Candidate {
        RunWidths widths;
        std::size_t bytes = 0;
        std::size_t longest = 0;
        const Glyph* longestGlyph = nullptr;
    };

    std::vector<Candidate> runWidthCandidates()
    {
        std::vector<Candidate> candidates;
        for (int zeros = 1; zeros <= widestRunField; ++zeros) {
            for (int ones = 1; ones <= widestRunField; ++ones) {
                candidates.push_back({ RunWidths { zeros, ones } });
            }
        }
        return candidates;
    }

    void measureGlyph(const FontPlan& plan, const Glyph& glyph, std::vector<Candidate>& candidates)
    {
        const RunLengthCosts costs(plan.pairsOf(glyph));
        for (Candidate& candidate : candidates) {
            const int bits = plan.fields.total() + costs.bits(candidate.widths);
            const std::size_t bytes = glyph.prefixBytes() + static_cast<std::size_t>(bits + 7) / 8;
            candidate.bytes += bytes;
            if (bytes > candidate.longest) {
                candidate.longest = bytes;
                candidate.longestGlyph = &glyph;
            }
        }
    }

    Result<RunWidths> chooseRunWidths(const FontLib& font, const FontPlan& plan)
    {
        std::vector<Candidate> candidates = runWidthCandidates();
        for (const Glyph& glyph : plan.glyphs) {
            measureGlyph(plan, glyph, candidates);
        }
        const Candidate* best = nullptr;
        const Candidate* leastLongest = &candidates.front();
        for (const Candidate& candidate : candidates) {
            if (candidate.longest <= mostGlyphBytes && (!best || candidate.bytes < best->bytes)) {
                best = &candidate;
            }
            if (candidate.longest < leastLongest->longest) {
                leastLongest = &candidate;
            }
        }
        if (!best) {
            return failure(glyphName(font, *leastLongest->longestGlyph) + " takes "
                + std::to_string(leastLongest->longest)
                + " bytes; a u8g2 glyph holds at most 255 bytes");
        }
        return best->widths;
    }

    Result<FontPlan> planFont(const FontLib& font, const AdvanceRule& advance, int baseline)
    {
        FontPlan plan;
        plan.glyphs = firstGlyphOfEachCode(font);
        const std::vector<GlyphMetric> metrics = glyphMetrics(font, advance);
        for (Glyph& glyph : plan.glyphs) {
            const GlyphMetric& metric = metrics[glyph.index];
            placeGlyph(metric, baseline, glyph);
            if (Status fits = checkGlyphLimits(font, glyph); !fits) {
                return failure(fits.message());
            }
            if (metric.ink) {
                addRuns(font, *metric.ink, glyph, plan.pairs);
            }
        }
        plan.box = fontBoxOf(plan.glyphs);
        if (Status fits = checkFontBox(plan.box); !fits) {
            return failure(fits.message());
        }
        plan.fields = fieldWidthsFor(plan.glyphs);
        Result<RunWidths> runs = chooseRunWidths(font, plan);
        if (!runs) {
            return failure(runs.message());
        }
        plan.runs = *runs;
        return plan;
    }

    const Glyph* inkedGlyph(const std::vector<Glyph>& glyphs, char code)
    {
        const auto found = std::lower_bound(glyphs.begin(), glyphs.end(), code,
            [](const Glyph& glyph, char wanted) { return glyph.code < wanted; });
        return found != glyphs.end() && found->code == code && found->hasInk() ? &*found : nullptr;
    }

    // The heights u8g2 places text by: the top of "A" (or of "1"), the bottom of "g", the top
    // and bottom of "("; the font's box stands in for letters the font does not draw.
    struct ReferenceHeights {
        int ascent = 0;
        int descent = 0;
        int parenAscent = 0;
        int parenDescent = 0;
    };

    ReferenceHeights referenceHeights(const FontPlan& plan)
    {
        const Glyph* capital = inkedGlyph(plan.glyphs, 'A');
        const Glyph* one = inkedGlyph(plan.glyphs, '1');
        const Glyph* descender = inkedGlyph(plan.glyphs, 'g');
        const Glyph* paren = inkedGlyph(plan.glyphs, '(');
        ReferenceHeights heights;
        heights.ascent = capital ? capital->top() : one ? one->top() : plan.box.top;
        heights.descent = descender ? descender->y : plan.box.bottom;
        heights.parenAscent = paren ? paren->top() : heights.ascent;
        heights.parenDescent = paren ? paren->y : heights.descent;
        return heights;
    }

    std::uint8_t byteOf(int value) { return static_cast<std::uint8_t>(value & 0xFF); }

    void putWord(std::vector<std::uint8_t>& out, std::size_t at, std::size_t value)
    {
        out[at] = static_cast<std::uint8_t>(value >> 8);
        out[at + 1] = static_cast<std::uint8_t>(value & 0xFF);
    }

    std::vector<std::uint8_t> headerOf(const FontPlan& plan)
    {
        const FontBox& box = plan.box;
        const FieldWidths& fields = plan.fields;
        const ReferenceHeights heights = referenceHeights(plan);
        // Byte 1 says how the boxes were made: 0, each glyph cropped to its own.
        return { byteOf(static_cast<int>(std::min<std::size_t>(plan.glyphs.size(), 255))), 0,
            byteOf(plan.runs.zeros), byteOf(plan.runs.ones), byteOf(fields.width),
            byteOf(fields.height), byteOf(fields.x), byteOf(fields.y), byteOf(fields.advance),
            byteOf(box.right - box.left), byteOf(box.top - box.bottom), byteOf(box.left),
            byteOf(box.bottom), byteOf(heights.ascent), byteOf(heights.descent),
            byteOf(heights.parenAscent), byteOf(heights.parenDescent), 0, 0, 0, 0, 0, 0 };
    }

    std::uint32_t biased(int value, int bits)
    {
        return static_cast<std::uint32_t>(value + (1 << (bits - 1)));
    }

    // What the glyphs written so far came to: the longest glyph's bytes (the plan chose
    // widths that keep every glyph within its jump) and the bits of their pixels' runs.
    struct GlyphsWritten {
        std::size_t longest = 0;
        std::size_t pixelBits = 0;
    };

    void writeGlyph(std::vector<std::uint8_t>& out, const FontPlan& plan, const Glyph& glyph,
        GlyphsWritten& written)
    {
        const std::size_t start = out.size();
        if (glyph.code > lastOneByteCode) {
            out.push_back(static_cast<std::uint8_t>(glyph.code >> 8));
        }
        out.push_back(static_cast<std::uint8_t>(glyph.code & 0xFF));
        const std::size_t jumpAt = out.size();
        out.push_back(0);
        BitPacker bits(out);
        const FieldWidths& fields = plan.fields;
        bits.put(static_cast<std::uint32_t>(glyph.width), fields.width);
        bits.put(static_cast<std::uint32_t>(glyph.height), fields.height);
        bits.put(biased(glyph.x, fields.x), fields.x);
        bits.put(biased(glyph.y, fields.y), fields.y);
        bits.put(biased(glyph.advance, fields.advance), fields.advance);
        const std::size_t fieldBits = bits.bits();
        writeRunLengths(bits, plan.pairsOf(glyph), plan.runs);
        written.pixelBits += bits.bits() - fieldBits;
        bits.finish();
        out[jumpAt] = static_cast<std::uint8_t>(out.size() - start);
        written.longest = std::max(written.longest, out.size() - start);
    }

    // Codes up to FF, each glyph after the one before; a glyph of jump 0 ends them. The
    // header says where codes from 'A' and from 'a' on begin, so that a search may skip
    // the glyphs before.
    void writeOneByteCodes(
        std::vector<std::uint8_t>& out, const FontPlan& plan, GlyphsWritten& written)
    {
        std::optional<std::size_t> fromCapitalA;
        std::optional<std::size_t> fromSmallA;
        for (const Glyph& glyph : plan.glyphs) {
            if (glyph.code > lastOneByteCode) {
                break;
            }
            if (!fromCapitalA && glyph.code >= 'A') {
                fromCapitalA = out.size() - headerBytes;
            }
            if (!fromSmallA && glyph.code >= 'a') {
                fromSmallA = out.size() - headerBytes;
            }
            writeGlyph(out, plan, glyph, written);
        }
        const std::size_t end = out.size() - headerBytes;
        out.insert(out.end(), { 0, 0 });
        putWord(out, 17, fromCapitalA.value_or(end));
        putWord(out, 19, fromSmallA.value_or(end));
    }

    // The search steps through the lookup table, then through one block of glyphs: as many
    // glyphs per block as there are blocks keeps the longest search shortest. With at most
    // 65,280 codes above FF, a block holds at most 256 glyphs of at most 255 bytes, so that
    // every step of the table fits its 16 bits.
    std::size_t glyphsPerBlock(std::size_t glyphs)
    {
        std::size_t perBlock = 1;
        while (perBlock * perBlock < glyphs) {
            ++perBlock;
        }
        return perBlock;
    }

    // A lookup table of entries (bytes from the entry's block start to the next one's, the
    // last code of the block; the last entry's code FFFF), the glyphs, code 0 at the end.
    void writeTwoByteCodes(
        std::vector<std::uint8_t>& out, const FontPlan& plan, GlyphsWritten& written)
    {
        putWord(out, 21, out.size() - headerBytes);
        const auto first = std::find_if(plan.glyphs.begin(), plan.glyphs.end(),
            [](const Glyph& glyph) { return glyph.code > lastOneByteCode; });
        const std::span<const Glyph> glyphs(first, plan.glyphs.end());
        const std::size_t perBlock = glyphsPerBlock(glyphs.size());
        const std::size_t entries
            = std::max<std::size_t>(1, (glyphs.size() + perBlock - 1) / perBlock);
        const std::size_t tableAt = out.size();
        out.resize(tableAt + 4 * entries, 0);
        std::size_t blockBefore = tableAt;
        for (std::size_t entry = 0; entry < entries; ++entry) {
            const std::size_t blockAt = out.size();
            const std::size_t from = entry * perBlock;
            const auto block = glyphs.subspan(from, std::min(perBlock, glyphs.size() - from));
            for (const Glyph& glyph : block) {
                writeGlyph(out, plan, glyph, written);
            }
            const bool last = entry + 1 == entries;
            putWord(out, tableAt + 4 * entry, blockAt - blockBefore);
            putWord(out, tableAt + 4 * entry + 2, last ? 0xFFFF : block.back().code);
            blockBefore = blockAt;
        }
        out.insert(out.end(), { 0, 0 });
    }

    Result<EncodedFont> fontData(const FontPlan& plan)
    {
        std::vector<std::uint8_t> out = headerOf(plan);
        GlyphsWritten written;
        writeOneByteCodes(out, plan, written);
        writeTwoByteCodes(out, plan, written);
        if (written.longest > mostGlyphBytes) {
            // Never so when the lengths the widths were chosen by are those written.
            return failure("a glyph came out " + std::to_string(written.longest)
                + " bytes long, more than the 255 a u8g2 glyph holds");
        }
        return EncodedFont { std::move(out), (written.pixelBits + 4) / 8 };
    }

} // namespace

Result<EncodedFont> encodeU8g2Font(const FontLib& font, const AdvanceRule& advance, int baseline)
{
    if (!font.isConsistent()) {
        return failure("the font's arrays do not match its size");
    }
    if (baseline < 0 || baseline > font.info.glyphHeight) {
        const std::string height = std::to_string(font.info.glyphHeight);
        return failure("a baseline of " + std::to_string(baseline) + " rows does not fit glyphs "
            + height + " rows high (it must be 0 to " + height + ")");
    }
    const Result<FontPlan> plan = planFont(font, advance, baseline);
    if (!plan) {
        return failure(plan.message());
    }
    return fontData(*plan);
}

} // namespace tessellon
