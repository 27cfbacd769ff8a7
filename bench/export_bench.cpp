// Exports a 20,902-glyph 16 x 16 font (the CJK block U+4E00 to U+9FA5) with the default
// script and with a PUTITEMZIPBIN loop, beside one fwrite of the same bytes in the same run.
#include "BenchTiming.h"
#include "CjkFont.h"
#include "export/DefaultScript.h"
#include "export/ExportRun.h"
#include "export/ScriptText.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

using namespace tessellon;
using bench::millisecondsOf;
using bench::Timing;
using bench::timingOf;

namespace {

constexpr std::uint32_t glyphCount = bench::cjkGlyphCount;

std::vector<char> contentsOf(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return { std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>() };
}

void plainWrite(const std::string& path, const std::vector<char>& bytes)
{
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) {
        return;
    }
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
}

bool ranToItsEnd(const Result<ExecuteResult>& run) { return run && *run == ExecuteResult::Ran; }

struct Figures {
    Timing exportTime;
    Timing fwriteTime;
    std::size_t bytes = 0;
    bool ran = false;
};

// The export and the fwrite of its bytes take turns, so that both meet the same state of
// the machine.
Figures measure(const FontLib& font, const std::string& script, const std::string& outPath,
    const std::string& rawPath, int runs)
{
    const ExportSource source = makeExportSource(outPath, font);
    Csub csub;
    Figures figures;
    figures.ran = ranToItsEnd(runExportScript(csub, source, script));
    const std::vector<char> written = contentsOf(outPath);
    figures.bytes = written.size();
    std::vector<double> exportTimes;
    std::vector<double> fwriteTimes;
    for (int i = 0; i < runs; ++i) {
        exportTimes.push_back(millisecondsOf([&] {
            figures.ran = ranToItsEnd(runExportScript(csub, source, script)) && figures.ran;
        }));
        fwriteTimes.push_back(millisecondsOf([&] { plainWrite(rawPath, written); }));
    }
    figures.exportTime = timingOf(exportTimes);
    figures.fwriteTime = timingOf(fwriteTimes);
    return figures;
}

double ratioOf(const Figures& figures)
{
    return figures.exportTime.median / std::max(figures.fwriteTime.median, 1e-6);
}

void print(const char* name, const Figures& figures)
{
    std::printf("%-20s %9zu bytes   export %7.2f ms (best %6.2f)   one fwrite %6.2f ms (best "
                "%5.2f)   ratio %5.2f%s\n",
        name, figures.bytes, figures.exportTime.median, figures.exportTime.best,
        figures.fwriteTime.median, figures.fwriteTime.best, ratioOf(figures),
        figures.ran ? "" : "   RUN FAILED");
}

const char* verdict(bool met) { return met ? "met" : "NOT MET"; }

} // namespace

int main(int argc, char* argv[])
{
    const std::string folder = argc > 1 && argv[1][0] != '\0'
        ? argv[1]
        : std::filesystem::temp_directory_path().string();
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 15;
    const std::string outPath = folder + "/bench-export.c";
    const std::string rawPath = folder + "/bench-export-raw.bin";

    const FontLib font = bench::cjkFont();
    const std::string defaultText = joinScriptLines(defaultScript());
    const std::string zipBinText = "int i;\r\nfor(i=0;i<FONT_NUMBER;i++) PUTITEMZIPBIN(i);";

    std::printf("font: %u glyphs of 16 x 16, median (and best) of %d runs; ratio of the medians\n",
        glyphCount, runs);
    const Figures byDefault = measure(font, defaultText, outPath, rawPath, runs);
    print("default script", byDefault);
    const Figures byZipBin = measure(font, zipBinText, outPath, rawPath, runs);
    print("PUTITEMZIPBIN loop", byZipBin);
    std::printf("default script under 60 ms: %s\n", verdict(byDefault.exportTime.median < 60.0));
    std::printf("default script within 5 x its fwrite: %s\n", verdict(ratioOf(byDefault) <= 5));
    std::printf("PUTITEMZIPBIN within 5 x its fwrite: %s\n", verdict(ratioOf(byZipBin) <= 5));
    std::filesystem::remove(outPath);
    std::filesystem::remove(rawPath);
    return byDefault.ran && byZipBin.ran ? 0 : 1;
}
