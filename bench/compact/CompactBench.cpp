// Encodes fonts in the compact format and prints their sizes beside the best figures of other
// converters for the same pixels, then times the shipped C decoder over the last font: every
// glyph found by its code and decoded row by row, and found alone, in processor time (the
// machine may be shared), the best of RUNS passes.
//   compact_bench RUNS NAME FONT ADVANCE PEER_BYTES PEER GOAL [NAME FONT ...]
// FONT is a .pix or .bdf file; a BDF font keeps its codes 20-7E. ADVANCE is "fixed" or
// "proportional". Prints the figures; it is not a test.
#include "BenchTiming.h"
#include "formats/FontFileFormats.h"
#include "export/CompactFont.h"

#include "tessellon_compact.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <functional>
#include <string>
#include <vector>

using namespace tessellon;

namespace {

[[noreturn]] void fail(const std::string& message)
{
    std::fprintf(stderr, "%s\n", message.c_str());
    std::exit(1);
}

std::uint16_t codeOf(const FontLib& font, std::uint32_t index)
{
    return font.codeTable ? (*font.codeTable)[index] : static_cast<std::uint16_t>(index);
}

// The glyphs of codes 20-7E, in the font's order.
FontLib printableAscii(const FontLib& font)
{
    std::vector<std::uint32_t> kept;
    for (std::uint32_t i = 0; i < font.info.glyphCount; ++i) {
        if (codeOf(font, i) >= 0x20 && codeOf(font, i) <= 0x7E) {
            kept.push_back(i);
        }
    }
    FontLib ascii = FontLib::blank(
        font.info.glyphWidth, font.info.glyphHeight, static_cast<std::uint32_t>(kept.size()), true);
    ascii.baseline = font.baseline;
    for (std::uint32_t i = 0; i < kept.size(); ++i) {
        const auto from = font.glyph(kept[i]);
        std::copy(from.begin(), from.end(), ascii.glyph(i).begin());
        (*ascii.codeTable)[i] = codeOf(font, kept[i]);
    }
    return ascii;
}

FontLib loadFont(const std::string& path)
{
    const bool bdf = lowerCaseExtension(path) == ".bdf";
    ReadNotes notes;
    Result<FontLib> font = readFontFileAs(bdf ? bdfFileFormat() : pixFileFormat(), path, {}, notes);
    if (!font) {
        fail(font.message());
    }
    return bdf ? printableAscii(*font) : std::move(font).value();
}

std::string withCommas(std::size_t n)
{
    const std::string digits = std::to_string(n);
    std::string out;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) {
            out += ',';
        }
        out += digits[i];
    }
    return out;
}

double processorMilliseconds(const std::function<void()>& work)
{
    const std::clock_t start = std::clock();
    work();
    return 1000.0 * static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC;
}

struct DecodeTimes {
    double findAndRows = 0;
    double findOnly = 0;
};

DecodeTimes timeDecoding(const FontLib& font, const std::vector<std::uint8_t>& bytes, int runs)
{
    tessellon_compact_font compact;
    if (!tessellon_compact_open(&compact, bytes.data(), bytes.size())) {
        fail("the decoder does not open the font");
    }
    std::vector<unsigned long> codes;
    for (std::uint32_t i = 0; i < font.info.glyphCount; ++i) {
        codes.push_back(codeOf(font, i));
    }
    unsigned char row[32];
    unsigned long ink = 0;
    std::vector<double> rows;
    std::vector<double> finds;
    for (int run = 0; run < runs; ++run) {
        rows.push_back(processorMilliseconds([&] {
            for (const unsigned long code : codes) {
                tessellon_compact_glyph glyph;
                if (!tessellon_compact_find(&compact, code, &glyph)) {
                    fail("a glyph is missing");
                }
                while (tessellon_compact_row(&glyph, row, sizeof row)) {
                    ink += row[0];
                }
            }
        }));
        finds.push_back(processorMilliseconds([&] {
            for (const unsigned long code : codes) {
                tessellon_compact_glyph glyph;
                ink += static_cast<unsigned long>(tessellon_compact_find(&compact, code, &glyph));
            }
        }));
    }
    if (ink == 0) {
        std::printf("(no ink)\n");
    }
    return { bench::timingOf(rows).best, bench::timingOf(finds).best };
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 8 || (argc - 2) % 6 != 0) {
        fail("usage: compact_bench RUNS NAME FONT ADVANCE PEER_BYTES PEER GOAL [NAME ...]");
    }
    const int runs = std::max(1, std::atoi(argv[1]));
    std::printf("%-46s %9s %18s %9s %10s\n", "font (same pixels)", "compact", "(pixels + tables)",
        "goal", "best peer");
    FontLib last;
    std::vector<std::uint8_t> lastBytes;
    for (int i = 2; i + 5 < argc; i += 6) {
        FontLib font = loadFont(argv[i + 1]);
        AdvanceRule advance;
        advance.proportional = std::strcmp(argv[i + 2], "proportional") == 0;
        std::vector<double> times;
        Result<EncodedFont> encoded = failure("not encoded");
        for (int run = 0; run < runs; ++run) {
            times.push_back(processorMilliseconds(
                [&] { encoded = encodeCompactFont(font, advance, font.baselineOrDefault()); }));
        }
        if (!encoded) {
            fail(encoded.message());
        }
        const std::size_t total = encoded->bytes.size();
        const std::string name
            = std::string(argv[i]) + ", " + std::to_string(font.info.glyphCount) + " glyphs";
        std::string parts = "(";
        parts += withCommas(encoded->pixelBytes);
        parts += " + ";
        parts += withCommas(total - encoded->pixelBytes);
        parts += ")";
        std::printf("%-46s %9s %18s %9s %10s %s, encoded in %.1f ms\n", name.c_str(),
            withCommas(total).c_str(), parts.c_str(), withCommas(std::atol(argv[i + 5])).c_str(),
            withCommas(std::atol(argv[i + 3])).c_str(), argv[i + 4], bench::timingOf(times).best);
        last = std::move(font);
        lastBytes = std::move(encoded->bytes);
    }
    const DecodeTimes times = timeDecoding(last, lastBytes, runs);
    const double glyphs = last.info.glyphCount;
    std::printf("decoder over the last font (%u glyphs), processor time, best of %d passes:\n",
        last.info.glyphCount, runs);
    std::printf("  find and decode every row  %6.1f ms  %5.2f million glyphs/s\n",
        times.findAndRows, glyphs / times.findAndRows / 1000.0);
    std::printf("  find only                  %6.1f ms  %5.2f million glyphs/s\n", times.findOnly,
        glyphs / times.findOnly / 1000.0);
    return 0;
}
