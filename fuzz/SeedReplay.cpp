// A main for the fuzz targets in builds without libFuzzer: runs the target once on every file
// of the folders (or files) named on the command line, as libFuzzer does with -runs=0, so
// that CTest keeps every target compiling and its seeds passing under any compiler. Each
// input gets a buffer of exactly its size, so that a sanitizer sees any read past it.

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

namespace fs = std::filesystem;

std::vector<fs::path> inputsAt(const fs::path& place)
{
    if (!fs::is_directory(place)) {
        return { place };
    }
    std::vector<fs::path> inputs;
    for (const fs::directory_entry& entry : fs::directory_iterator(place)) {
        if (entry.is_regular_file()) {
            inputs.push_back(entry.path());
        }
    }
    std::sort(inputs.begin(), inputs.end());
    return inputs;
}

bool replay(const fs::path& input)
{
    std::ifstream file(input, std::ios::binary);
    if (!file) {
        std::fprintf(stderr, "cannot read %s\n", input.c_str());
        return false;
    }
    const std::vector<char> content(
        (std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    const auto bytes = std::make_unique<std::uint8_t[]>(content.size());
    std::copy(content.begin(), content.end(), bytes.get());
    std::printf("%s (%zu bytes)\n", input.c_str(), content.size());
    std::fflush(stdout);
    LLVMFuzzerTestOneInput(bytes.get(), content.size());
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    std::size_t replayed = 0;
    for (int i = 1; i < argc; ++i) {
        for (const fs::path& input : inputsAt(argv[i])) {
            if (!replay(input)) {
                return 1;
            }
            ++replayed;
        }
    }
    if (replayed == 0) {
        std::fprintf(stderr, "no inputs to replay\n");
        return 1;
    }
    std::printf("%zu inputs replayed\n", replayed);
    return 0;
}
