// Feeds arbitrary bytes to the character-set reader as a file would, also as a file that can
// no longer be read past some point, and checks what it reports against the bytes.
#include "creation/CharSetFormat.h"
#include "creation/CharSetReader.h"
#include "document/ByteSource.h"

#include <cstdint>
#include <cstdlib>
#include <span>

namespace {

using namespace tessellon;

// A source that claims its full size but fails every read that reaches past readable.
class TruncatedSource final : public ByteSource {
public:
    TruncatedSource(std::span<const std::uint8_t> bytes, std::uint64_t readable)
        : m_bytes(bytes)
        , m_readable(readable)
    {
    }
    std::uint64_t size() const override { return m_bytes.size(); }
    bool readAt(std::uint64_t offset, std::span<std::uint8_t> destination) override
    {
        if (offset > m_readable || destination.size() > m_readable - offset) {
            return false;
        }
        MemoryByteSource whole(m_bytes);
        return whole.readAt(offset, destination);
    }

private:
    std::span<const std::uint8_t> m_bytes;
    std::uint64_t m_readable;
};

void check(bool condition)
{
    if (!condition) {
        std::abort();
    }
}

// Reads every unit and checks each against the bytes it came from.
std::uint64_t readAll(ByteSource& source, std::span<const std::uint8_t> bytes)
{
    CharSetReader reader(source);
    const std::uint64_t unitSize = reader.form() == CharSetForm::Utf16 ? 2 : 1;
    std::uint64_t units = 0;
    std::uint64_t previous = reader.position();
    while (const auto code = reader.next()) {
        const std::uint64_t position = reader.position();
        check(position == previous + unitSize && position <= bytes.size());
        const std::uint8_t* unit = bytes.data() + previous;
        const std::uint16_t expected
            = unitSize == 1 ? unit[0] : static_cast<std::uint16_t>(unit[0] | (unit[1] << 8));
        check(*code == expected);
        previous = position;
        ++units;
    }
    check(!reader.next());
    return units;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::span<const std::uint8_t> bytes(data, size);
    MemoryByteSource source(bytes);
    const CharSetMeasure measure = measureCharSet(source);
    check(measure.totalBytes == size);
    check(readAll(source, bytes) == measure.glyphCount);

    if (size > 0) {
        TruncatedSource truncated(bytes, data[size - 1] * 37u % (size + 1));
        check(readAll(truncated, bytes) <= measure.glyphCount);
    }
    return 0;
}
