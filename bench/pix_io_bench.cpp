// Reads and writes a 65,536-glyph 32 x 32 font (8 MiB of pixels) through the .pix reader
// and writer, beside a plain fwrite/fread of the same bytes in the same run.
#include "document/PixReader.h"
#include "document/PixWriter.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <random>
#include <string>
#include <vector>

using namespace tessellon;

namespace {

double millisecondsOf(const std::function<void()>& work)
{
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
        .count();
}

double medianOf(int runs, const std::function<void()>& work)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        times.push_back(millisecondsOf(work));
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

FontLib randomFont()
{
    FontLib font = FontLib::blank(32, 32, 65536, true);
    std::mt19937 random(1);
    for (auto& byte : font.pixelData) {
        byte = static_cast<std::uint8_t>(random());
    }
    for (std::size_t i = 0; i < font.codeTable->size(); ++i) {
        (*font.codeTable)[i] = static_cast<std::uint16_t>(i);
    }
    return font;
}

void plainWrite(const std::string& path, const std::vector<std::uint8_t>& bytes)
{
    std::FILE* file = std::fopen(path.c_str(), "wb");
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
}

void plainRead(const std::string& path, std::vector<std::uint8_t>& bytes)
{
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (std::fread(bytes.data(), 1, bytes.size(), file) != bytes.size()) {
        std::fprintf(stderr, "short read\n");
    }
    std::fclose(file);
}

} // namespace

int main(int argc, char* argv[])
{
    const std::string folder = argc > 1 ? argv[1] : std::filesystem::temp_directory_path().string();
    const int runs = argc > 2 ? std::stoi(argv[2]) : 15;
    const std::string pixPath = folder + "/bench-font.pix";
    const std::string rawPath = folder + "/bench-raw.bin";

    const FontLib font = randomFont();
    std::vector<std::uint8_t> raw(font.pixelData.size() + 2 * font.codeTable->size() + 28);
    std::size_t glyphs = 0;

    const double write = medianOf(runs, [&] { (void)writePixFile(pixPath, font); });
    const double read = medianOf(runs, [&] { glyphs += readPixFile(pixPath)->info.glyphCount; });
    const double fwriteTime = medianOf(runs, [&] { plainWrite(rawPath, raw); });
    const double freadTime = medianOf(runs, [&] { plainRead(rawPath, raw); });

    const Result<FontLib> check = readPixFile(pixPath);
    const bool same
        = check.ok() && check->pixelData == font.pixelData && check->codeTable == font.codeTable;
    std::printf("font: 65536 glyphs of 32 x 32, %zu bytes on disk, median of %d runs\n",
        static_cast<std::size_t>(std::filesystem::file_size(pixPath)), runs);
    std::printf("write .pix (temporary file, fsync, rename): %7.2f ms\n", write);
    std::printf("plain fwrite of the same bytes:              %7.2f ms\n", fwriteTime);
    std::printf("read .pix (checked):                         %7.2f ms\n", read);
    std::printf("plain fread of the same bytes:               %7.2f ms\n", freadTime);
    std::printf("round trip identical: %s\n", same ? "yes" : "NO");
    std::filesystem::remove(pixPath);
    std::filesystem::remove(rawPath);
    return same && glyphs > 0 ? 0 : 1;
}
