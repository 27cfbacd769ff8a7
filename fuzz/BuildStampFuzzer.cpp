// Feeds arbitrary text to the stamp reader: a stamp it takes, written back, reads as the same
// stamp.
#include "recipe/BuildStamp.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace tessellon;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    if (const auto stamp = parseStamp(text); stamp && parseStamp(formatStamp(*stamp)) != stamp) {
        std::abort();
    }
    return 0;
}
