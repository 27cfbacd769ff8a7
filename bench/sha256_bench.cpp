// SHA-256 throughput: a buffer of random bytes hashed in memory by each engine, and files
// hashed as the stamps of recipes hash them (read in pieces from the page cache).
//
//   sha256_bench [MEGABYTES [RUNS [FILE...]]]
#include "BenchTiming.h"
#include "recipe/Sha256.h"

#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

using namespace tessellon;

namespace {

std::vector<std::uint8_t> randomBytes(std::size_t size)
{
    std::mt19937 random(1);
    std::vector<std::uint8_t> bytes(size);
    for (auto& byte : bytes) {
        byte = static_cast<std::uint8_t>(random());
    }
    return bytes;
}

void printRate(const char* what, double megabytes, const bench::Timing& timing)
{
    std::printf("%-28s %8.1f MB/s best, %8.1f MB/s median (%.2f ms best for %.1f MB)\n", what,
        megabytes / timing.best * 1000, megabytes / timing.median * 1000, timing.best, megabytes);
}

} // namespace

int main(int argc, char* argv[])
{
    const std::size_t megabytes = argc > 1 ? std::strtoul(argv[1], nullptr, 10) : 64;
    const int runs = argc > 2 ? std::atoi(argv[2]) : 7;
    const auto bytes = randomBytes(megabytes << 20);
    const double size = static_cast<double>(bytes.size()) / (1 << 20);
    std::printf("native SHA instructions: %s\n", Sha256::hasNativeEngine() ? "yes" : "no");
    for (const auto& [name, engine] :
        { std::pair { "in memory, fastest engine", Sha256::Engine::Fastest },
            std::pair { "in memory, portable engine", Sha256::Engine::Portable } }) {
        std::vector<double> times;
        for (int run = 0; run < runs; ++run) {
            times.push_back(bench::millisecondsOf([&bytes, engine = engine] {
                Sha256 hash(engine);
                hash.update(bytes);
                (void)hash.finish();
            }));
        }
        printRate(name, size, bench::timingOf(times));
    }
    for (int i = 3; i < argc; ++i) {
        std::vector<double> times;
        std::uint64_t fileBytes = 0;
        for (int run = 0; run < runs; ++run) {
            times.push_back(bench::millisecondsOf([&] {
                const auto hashed = hashFile(argv[i]);
                if (!hashed) {
                    std::fprintf(stderr, "%s\n", hashed.message().c_str());
                    std::exit(1);
                }
                fileBytes = hashed->size;
            }));
        }
        const std::string label = std::string("file ") + argv[i];
        printRate(
            label.c_str(), static_cast<double>(fileBytes) / (1 << 20), bench::timingOf(times));
    }
    return 0;
}
