// Feeds arbitrary text to the stamp reader: a stamp it takes is written back as the same text.
#include "recipe/BuildStamp.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace tessellon;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    if (const auto stamp = parseStamp(text); stamp && formatStamp(*stamp) != text) {
        std::abort();
    }
    return 0;
}
