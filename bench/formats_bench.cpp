// Reads a Unifont .hex file into a font and writes that font as a BDF file, several times
// each, and prints the best and median times; the BDF writing is timed with and without
// the safe writer's flush to the disk.
//   formats_bench UNIFONT.hex OUT_FOLDER [RUNS]
#include "formats/FontFileFormats.h"
#include "formats/BdfWriter.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

using namespace tessellon;

namespace {

struct Times {
    double best = 0;
    double median = 0;
};

Times timesOf(int runs, const std::function<void()>& work)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        const auto start = std::chrono::steady_clock::now();
        work();
        times.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count());
    }
    std::sort(times.begin(), times.end());
    return { times.front(), times[times.size() / 2] };
}

void print(const char* what, const Times& times)
{
    std::printf("%-34s best %7.1f ms  median %7.1f ms\n", what, times.best, times.median);
}

[[noreturn]] void fail(const std::string& message)
{
    std::fprintf(stderr, "%s\n", message.c_str());
    std::exit(1);
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 3) {
        fail("usage: formats_bench UNIFONT.hex OUT_FOLDER [RUNS]");
    }
    const std::string hex = argv[1];
    const std::string bdf = std::string(argv[2]) + "/unifont.bdf";
    const int runs = argc > 3 ? std::max(1, std::atoi(argv[3])) : 9;
    const FontFileFormat* hexFormat = fontFileFormatNamed(hex);
    if (!hexFormat) {
        fail(hex + " is not a .hex file");
    }

    FontLib font;
    const Times reading = timesOf(runs, [&] {
        ReadNotes notes;
        Result<FontLib> read = readFontFileAs(*hexFormat, hex, {}, notes);
        if (!read) {
            fail(read.message());
        }
        font = std::move(read).value();
    });
    const Times formatting = timesOf(runs, [&] {
        if (!formatBdf(font, "unifont", {})) {
            fail("formatBdf failed");
        }
    });
    const Times writing = timesOf(runs, [&] {
        if (Status written = writeFontFileAs(bdfFileFormat(), bdf, font, {}); !written) {
            fail(written.message());
        }
    });
    std::printf(
        "%u glyphs of %dx%d\n", font.info.glyphCount, font.info.glyphWidth, font.info.glyphHeight);
    print(".hex to font (read and place)", reading);
    print("font to BDF text in memory", formatting);
    print("font to BDF file (flushed to disk)", writing);
    return 0;
}
