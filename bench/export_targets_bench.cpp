// The export targets: the time of each over 20,902 CJK glyphs of 16 x 16, in-process (making
// the font ready, running the target's script into a file), and the bytes GFX and LVGL take
// for the 95 glyphs 0x20-0x7E of the misc-fixed 7x14 and 10x20 fonts, beside what the
// formats' own converters give for the same pixels.
//   export_targets_bench SCRIPTS_FOLDER OUT_FOLDER [CJK.pix [7x14.bdf 10x20.bdf [RUNS]]]
// Without CJK.pix (or with "-") the font of random pixels of CjkFont.h is used.
#include "BenchTiming.h"
#include "CjkFont.h"
#include "document/ByteSource.h"
#include "document/PixReader.h"
#include "export/ExportTarget.h"
#include "export/ScriptFile.h"
#include "export/ScriptText.h"
#include "export/TargetExport.h"
#include "export/TargetSizes.h"
#include "formats/BdfParser.h"
#include "formats/BdfReader.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

using namespace tessellon;
using bench::cpuMillisecondsOf;
using bench::millisecondsOf;
using bench::timingOf;

namespace {

std::string scriptsFolder;
std::string outFolder;

std::string scriptOf(const ExportTarget& target)
{
    const auto lines = readScriptFile(scriptsFolder + "/" + std::string(target.scriptFile));
    return lines ? joinScriptLines(*lines) : std::string();
}

// One export to a target, from the font to the file: the font made ready and checked,
// then the script run. Empty on success, else the reason.
std::string exportOnce(Csub& csub, const FontLib& font, const ExportTarget& target,
    const ExportChoices& choices, const std::string& script, const std::string& output)
{
    const Result<TargetFont> ready = prepareTargetFont(font, target, choices, output);
    if (!ready) {
        return ready.message();
    }
    const Result<ExecuteResult> ran = runTargetScript(csub, *ready, script, output);
    return ran && *ran == ExecuteResult::Ran ? std::string() : "the script did not run";
}

void timeTarget(const char* label, const FontLib& font, const ExportTarget& target, int runs)
{
    const std::string script = scriptOf(target);
    const std::string output = outFolder + "/bench-" + std::string(target.name) + ".c";
    ExportChoices choices;
    choices.name = "cjk";
    choices.advance.proportional = true;
    Csub csub;
    std::string why = exportOnce(csub, font, target, choices, script, output);
    std::vector<double> times;
    std::vector<double> cpuTimes;
    for (int i = 0; i < runs && why.empty(); ++i) {
        double cpu = 0;
        times.push_back(millisecondsOf([&] {
            cpu = cpuMillisecondsOf(
                [&] { why = exportOnce(csub, font, target, choices, script, output); });
        }));
        cpuTimes.push_back(cpu);
    }
    if (!why.empty()) {
        const double refusal
            = millisecondsOf([&] { (void)prepareTargetFont(font, target, choices, output); });
        std::printf("%-26s refused in %6.2f ms: %s\n", label, refusal, why.c_str());
        return;
    }
    const auto timing = timingOf(times);
    const auto cpu = timingOf(cpuTimes);
    std::printf("%-26s %8.2f ms (best %7.2f, processor %7.2f)  %10ju bytes of C  %s  %s\n", label,
        timing.median, timing.best, cpu.median,
        static_cast<std::uintmax_t>(std::filesystem::file_size(output)),
        cpu.median < 150 ? "under 150 ms" : "OVER 150 ms",
        sizeReportText(exportSize(*prepareTargetFont(font, target, choices, output))).c_str());
}

// GFX and LVGL may be no larger than their converters give; u8g2 within 2 % of its own.
const char* verdictOf(std::string_view target, std::uint64_t ours, std::uint64_t theirs)
{
    if (target == "u8g2") {
        return ours * 100 <= theirs * 102 ? "within 2 %" : "OVER 2 % LARGER";
    }
    return ours <= theirs ? "no larger" : "LARGER";
}

// The first count glyphs of a font.
FontLib firstGlyphs(const FontLib& font, std::uint32_t count)
{
    FontLib part = FontLib::blank(font.info.glyphWidth, font.info.glyphHeight, count, true);
    std::copy_n(font.pixelData.begin(), count * font.glyphBytes(), part.pixelData.begin());
    std::copy_n(font.codeTable->begin(), count, part.codeTable->begin());
    part.baseline = font.baseline;
    return part;
}

// The glyphs of codes 0x20 to 0x7E of a font, in code order.
FontLib asciiOf(const FontLib& font)
{
    const CodeOrder order = codeOrder(font, true);
    std::vector<std::uint32_t> kept;
    for (std::size_t k = 0; k < order.size(); ++k) {
        if (order.codes[k] >= 0x20 && order.codes[k] <= 0x7E) {
            kept.push_back(order.glyphs[k]);
        }
    }
    FontLib ascii = FontLib::blank(
        font.info.glyphWidth, font.info.glyphHeight, static_cast<std::uint32_t>(kept.size()), true);
    for (std::uint32_t k = 0; k < kept.size(); ++k) {
        std::copy_n(font.glyph(kept[k]).begin(), font.glyphBytes(), ascii.glyph(k).begin());
        (*ascii.codeTable)[k] = (*font.codeTable)[kept[k]];
    }
    ascii.baseline = font.baseline;
    return ascii;
}

// The bytes a bitmap of w x h pixels takes packed without padding between rows.
std::uint64_t packedBytes(int width, int height)
{
    return (static_cast<std::uint64_t>(width) * static_cast<std::uint64_t>(height) + 7) / 8;
}

// The ink box of a BDF glyph's own rows, as bytes packed without row padding.
std::uint64_t inkBytesOf(const PackedBitmap& bitmap)
{
    const std::size_t stride = (static_cast<std::size_t>(bitmap.width) + 7) / 8;
    int left = bitmap.width, right = 0, top = bitmap.height, bottom = 0;
    for (int y = 0; y < bitmap.height; ++y) {
        for (int x = 0; x < bitmap.width; ++x) {
            if (bitmap.bits[y * stride + x / 8] & (0x80 >> (x % 8))) {
                left = std::min(left, x);
                right = std::max(right, x + 1);
                top = std::min(top, y);
                bottom = std::max(bottom, y + 1);
            }
        }
    }
    return right > left ? packedBytes(right - left, bottom - top) : 0;
}

// What the formats' own converters give for the glyphs 0x20-0x7E of a BDF font:
//   Adafruit's fontconvert stores each glyph's bitmap as FreeType hands it over, for a
//   bitmap font the glyph's BBX, packed without row padding, and counts 7 bytes a GFXglyph
//   and 7 for the GFXfont (its "Approx." line);
//   lv_font_conv crops each glyph to its ink, 1 bit per pixel without row padding, with one
//   range for 0x20-0x7E: its bitmaps from the BDF's own rows, its tables counted as ours.
struct Reference {
    std::uint64_t gfx = 0;
    std::uint64_t lvgl = 0;
};

Reference referenceOf(const std::string& bdfPath)
{
    auto source = openFileForReading(bdfPath);
    const Result<BdfFont> bdf = source ? parseBdf(**source) : Result<BdfFont>(failure("no file"));
    Reference reference;
    if (!bdf) {
        return reference;
    }
    BdfBitmaps bitmaps(**source);
    std::uint64_t glyphs = 0;
    for (const BdfGlyph& glyph : bdf->glyphs) {
        if (glyph.encoding >= 0x20 && glyph.encoding <= 0x7E) {
            const Result<PackedBitmap> bitmap = bitmaps.read(glyph);
            if (!bitmap) {
                return {};
            }
            ++glyphs;
            reference.gfx += packedBytes(glyph.box.width, glyph.box.height);
            reference.lvgl += inkBytesOf(*bitmap);
        }
    }
    reference.gfx += glyphs * gfxGlyphBytes + gfxFontBytes;
    reference.lvgl += (glyphs + 1) * lvglGlyphBytes + lvglCmapBytes + lvglDscBytes + lvglFontBytes;
    return reference;
}

void compareSizes(const std::string& bdfPath, const char* name, std::uint64_t u8g2Converter)
{
    auto source = openFileForReading(bdfPath);
    ReadNotes notes;
    const Result<FontLib> read
        = source ? readBdf(**source, {}, notes) : Result<FontLib>(failure("no file"));
    if (!read) {
        std::printf("%s: cannot read %s\n", name, bdfPath.c_str());
        return;
    }
    const FontLib ascii = asciiOf(*read);
    const Reference reference = referenceOf(bdfPath);
    ExportChoices choices;
    choices.advance.proportional = true;
    choices.name = "fixed";
    for (const char* targetName : { "gfx", "lvgl", "u8g2" }) {
        const ExportTarget& target = *exportTargetNamed(targetName);
        const Result<TargetFont> ready = prepareTargetFont(ascii, target, choices, "fixed.c");
        const std::uint64_t theirs = std::string(targetName) == "gfx" ? reference.gfx
            : std::string(targetName) == "lvgl"                       ? reference.lvgl
                                                                      : u8g2Converter;
        if (!ready) {
            std::printf("%-6s %-5s %-58s their converter %6ju bytes\n", name, targetName,
                ready.message().c_str(), static_cast<std::uintmax_t>(theirs));
            continue;
        }
        const ExportSize size = exportSize(*ready);
        std::printf("%-6s %-5s %-58s their converter %6ju bytes  %s\n", name, targetName,
            sizeReportText(size).c_str(), static_cast<std::uintmax_t>(theirs),
            verdictOf(targetName, size.total(), theirs));
    }
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 3) {
        std::fprintf(stderr,
            "usage: export_targets_bench SCRIPTS OUT [CJK.pix [7x14.bdf 10x20.bdf [RUNS]]]\n");
        return 2;
    }
    scriptsFolder = argv[1];
    outFolder = argv[2];
    const bool madeCjk = argc > 3 && std::string(argv[3]) != "-";
    const int runs = argc > 6 ? std::max(1, std::atoi(argv[6])) : 9;
    Result<FontLib> read = madeCjk ? readPixFile(argv[3]) : Result<FontLib>(bench::cjkFont());
    if (!read) {
        std::fprintf(stderr, "%s\n", read.message().c_str());
        return 1;
    }
    const FontLib cjk = std::move(read).value();
    std::printf("%u glyphs of %d x %d (%s), proportional, median of %d runs (the verdict by "
                "processor time):\n",
        cjk.info.glyphCount, cjk.info.glyphWidth, cjk.info.glyphHeight,
        madeCjk ? argv[3] : "random pixels", runs);
    for (const ExportTarget& target : exportTargets()) {
        timeTarget(std::string(target.name).c_str(), cjk, target, runs);
    }
    timeTarget("gfx, first 2,000 glyphs", firstGlyphs(cjk, 2000), *exportTargetNamed("gfx"), runs);
    if (argc > 5) {
        std::printf("\nbytes for 0x20-0x7E, proportional (u8g2: the u8g2 project's own "
                    "converter, measured):\n");
        compareSizes(argv[4], "7x14", 1154);
        compareSizes(argv[5], "10x20", 1396);
    }
    return 0;
}
