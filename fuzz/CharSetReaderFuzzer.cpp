// Feeds arbitrary bytes to the character-set reader as a file would, also as a file that can
// no longer be read past some point, and checks what it reports against the bytes; then
// makes a font of them with the font-making loop and checks its codes and glyphs.
#include "creation/CharSetFormat.h"
#include "creation/CharSetReader.h"
#include "creation/FontMaking.h"
#include "document/ByteSource.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <vector>

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

// Glyphs of 8 x 2 pixels holding their code's two bytes.
class CodeBytesSource final : public GlyphSource {
public:
    void drawGlyph(std::uint16_t code, std::span<std::uint8_t> glyph) override
    {
        check(glyph.size() == 2 && glyph[0] == 0 && glyph[1] == 0);
        glyph[0] = static_cast<std::uint8_t>(code >> 8);
        glyph[1] = static_cast<std::uint8_t>(code);
    }
};

std::vector<std::uint16_t> codesOf(ByteSource& source)
{
    std::vector<std::uint16_t> codes;
    CharSetReader reader(source);
    while (const auto code = reader.next()) {
        codes.push_back(*code);
    }
    return codes;
}

// Makes a font of glyphCount glyphs from the source; its codes are the units read, in
// order, and the rest stay blank.
void checkFontMaking(ByteSource& source, std::uint64_t glyphCount)
{
    const auto count = static_cast<std::uint32_t>(glyphCount);
    std::vector<std::uint8_t> pixels(2 * glyphCount, 0xAA);
    std::vector<std::uint16_t> codes(glyphCount, 0xAAAA);
    const auto font = claimNewFontArrays(pixels, codes, count, 8, 2);
    check(font.ok());
    CodeBytesSource glyphs;
    CreateFontRun run;
    run.setTotalBytes(source.size());
    int handOvers = 0;
    run.answerOnPost([&] {
        ++handOvers;
        check(run.percentDone().value_or(0) <= 100);
    });
    drawCharSet(source, glyphs, *font, run);

    const auto read = codesOf(source);
    check(static_cast<std::uint64_t>(handOvers) == std::min<std::uint64_t>(read.size(), count));
    for (std::uint32_t k = 0; k < count; ++k) {
        const std::uint16_t code = k < read.size() ? read[k] : 0;
        check(
            codes[k] == code && pixels[2 * k] == (code >> 8) && pixels[2 * k + 1] == (code & 0xFF));
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

    checkFontMaking(source, measure.glyphCount);

    if (size > 0) {
        TruncatedSource truncated(bytes, data[size - 1] * 37u % (size + 1));
        check(readAll(truncated, bytes) <= measure.glyphCount);
        checkFontMaking(truncated, measure.glyphCount);
    }
    return 0;
}
