// Compiles and runs arbitrary script text. The run is stopped after a bounded number of
// instructions, its bytes are counted and dropped, and the callbacks return counts and
// codes taken from the index, out-of-range counts included.

#include "script/Csub.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace {

class CountingOutput final : public tessellon::ScriptOutput {
public:
    bool write(std::span<const std::uint8_t> bytes) override
    {
        m_count += bytes.size();
        return m_count < 64 * 1024 * 1024;
    }

private:
    std::size_t m_count = 0;
};

std::int32_t putItem(std::span<std::uint8_t> buffer, std::uint32_t index, std::int32_t zip,
    std::int32_t bin, std::int32_t col)
{
    const std::size_t fill = std::min<std::size_t>(index % 64, buffer.size());
    for (std::size_t i = 0; i < fill; ++i) {
        buffer[i] = static_cast<std::uint8_t>(index + i + zip + bin + col);
    }
    switch (index % 7) {
    case 0:
        return -static_cast<std::int32_t>(index % 1000) - 1;
    case 1:
        return static_cast<std::int32_t>(tessellon::itemBufferSize + index % 1000);
    default:
        return static_cast<std::int32_t>(fill);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::size_t lines = 0;
    tessellon::Csub csub([&lines](const std::string& line) { lines += line.size(); });
    int polls = 0;
    csub.setStopCheck([&polls] { return ++polls > 16; });
    CountingOutput output;
    const std::string text(reinterpret_cast<const char*>(data), size);
    csub.CsubExecute(
        output, text, putItem,
        [](std::uint32_t index) { return static_cast<std::uint16_t>(index * 2654435761u); },
        static_cast<std::int32_t>(size));
    // A second run over the same unit exercises what the first left in the tables.
    csub.CsubExecute(output, text, putItem, {}, -1);
    return 0;
}
