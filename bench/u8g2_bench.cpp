// u8g2 font data: its size for the misc-fixed 7x14 and 10x20 fonts (the 95 glyphs 0x20 to
// 0x7E) beside the size the u8g2 project's own converter gives for the same glyphs, and the
// time to encode 20,902 CJK glyphs of 16 x 16: random pixels (the most runs there can be)
// and, when given, a font made from a real one.
//
//   u8g2_bench 7x14.bdf 10x20.bdf [RUNS [CJK.pix]]
#include "BenchTiming.h"
#include "CjkFont.h"
#include "formats/FontFileFormats.h"
#include "document/PixReader.h"
#include "export/U8g2Font.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

using namespace tessellon;

namespace {

// What bdfconv -b 0 -f 1 -m '32-126' gives for these fonts.
struct Reference {
    const char* font;
    std::size_t bytes;
};
constexpr Reference converterBytes[] = { { "7x14", 1154 }, { "10x20", 1396 } };

[[noreturn]] void fail(const std::string& message)
{
    std::fprintf(stderr, "%s\n", message.c_str());
    std::exit(1);
}

std::string withCommas(std::size_t number)
{
    const std::string digits = std::to_string(number);
    std::string text;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) {
            text += ',';
        }
        text += digits[i];
    }
    return text;
}

// The glyphs whose codes lie from first to last, in their order.
FontLib glyphsWithCodes(const FontLib& font, std::uint16_t first, std::uint16_t last)
{
    std::vector<std::uint32_t> kept;
    for (std::uint32_t i = 0; i < font.info.glyphCount; ++i) {
        const std::uint16_t code = (*font.codeTable)[i];
        if (code >= first && code <= last) {
            kept.push_back(i);
        }
    }
    FontLib subset = FontLib::blank(
        font.info.glyphWidth, font.info.glyphHeight, static_cast<std::uint32_t>(kept.size()), true);
    for (std::uint32_t i = 0; i < kept.size(); ++i) {
        const auto glyph = font.glyph(kept[i]);
        std::copy(glyph.begin(), glyph.end(), subset.glyph(i).begin());
        (*subset.codeTable)[i] = (*font.codeTable)[kept[i]];
    }
    return subset;
}

// FONT_ASCENT: the rows of the cell the BDF reader puts above the baseline.
int fontAscent(const std::string& path)
{
    std::ifstream in(path);
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream words(line);
        std::string key;
        int ascent = 0;
        if (words >> key >> ascent && key == "FONT_ASCENT") {
            return ascent;
        }
    }
    fail(path + " has no FONT_ASCENT");
}

std::vector<std::uint8_t> encoded(const FontLib& font, int baseline)
{
    Result<EncodedFont> data = encodeU8g2Font(font, AdvanceRule {}, baseline);
    if (!data) {
        fail(data.message());
    }
    return std::move(data->bytes);
}

bool compareSize(const std::string& path, const Reference& reference)
{
    ReadNotes notes;
    Result<FontLib> read = readFontFileAs(bdfFileFormat(), path, {}, notes);
    if (!read || !read->codeTable) {
        fail(path + ": " + (read ? "no codes" : read.message()));
    }
    const FontLib font = glyphsWithCodes(*read, 0x20, 0x7E);
    const int baseline = read->baseline.value_or(fontAscent(path));
    const std::vector<std::uint8_t> data = encoded(font, baseline);
    const double ratio = 100.0 * static_cast<double>(data.size()) / reference.bytes;
    const bool met = ratio <= 102.0;
    std::printf("%-6s %u glyphs of %dx%d: %6s bytes (runs of %u and %u bits)   u8g2's converter "
                "%6s   %6.1f %%   within 2 %%: %s\n",
        reference.font, font.info.glyphCount, font.info.glyphWidth, font.info.glyphHeight,
        withCommas(data.size()).c_str(), data[2], data[3], withCommas(reference.bytes).c_str(),
        ratio, met ? "met" : "NOT MET");
    return met;
}

double cpuMillisecondsOf(const std::function<void()>& work)
{
    const std::clock_t start = std::clock();
    work();
    return 1000.0 * static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC;
}

// Wall and processor time of each run: on a busy machine the wall time holds the waits for a
// processor too.
std::pair<bench::Timing, bench::Timing> timeEncoding(
    const char* name, const FontLib& font, int baseline, int runs)
{
    std::vector<std::uint8_t> data;
    std::vector<double> wall;
    std::vector<double> cpu;
    for (int i = 0; i < runs; ++i) {
        cpu.push_back(cpuMillisecondsOf([&] {
            wall.push_back(bench::millisecondsOf([&] { data = encoded(font, baseline); }));
        }));
    }
    const bench::Timing timing = bench::timingOf(wall);
    const bench::Timing processor = bench::timingOf(cpu);
    std::printf("%-20s %6u glyphs: %9s bytes   median %6.1f ms (best %6.1f), processor %6.1f ms "
                "(best %6.1f)\n",
        name, font.info.glyphCount, withCommas(data.size()).c_str(), timing.median, timing.best,
        processor.median, processor.best);
    return { timing, processor };
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 3) {
        fail("usage: u8g2_bench 7x14.bdf 10x20.bdf [RUNS [CJK.pix]]");
    }
    const int runs = argc > 3 ? std::max(1, std::atoi(argv[3])) : 15;
    bool met = compareSize(argv[1], converterBytes[0]);
    met = compareSize(argv[2], converterBytes[1]) && met;
    std::printf("encoding, median (and best) of %d runs; goal: the CJK font under 150 ms\n", runs);
    timeEncoding("random pixels", bench::cjkFont(), 14, runs);
    if (argc > 4) {
        Result<FontLib> cjk = readPixFile(argv[4]);
        if (!cjk) {
            fail(cjk.message());
        }
        const auto [wall, processor]
            = timeEncoding("CJK font", *cjk, cjk->baselineOrDefault(), runs);
        std::printf("CJK font under 150 ms: %s (processor time: %s)\n",
            wall.median < 150.0 ? "met" : "NOT MET", processor.median < 150.0 ? "met" : "NOT MET");
        met = processor.median < 150.0 && met;
    }
    return met ? 0 : 1;
}
