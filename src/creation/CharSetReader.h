#pragma once

#include "creation/CharSetFormat.h"
#include "document/ByteSource.h"
#include "document/Result.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tessellon {

// Reads the units of a character-set file one after the other. The form is told from the
// first two bytes; the UTF-16 mark is not a unit. A byte 0x80-0xFF of an 8-bit file gives
// the code of the same value (ISO 8859-1). Reading stops at the size the source had when
// the reader was made, or earlier when the source can no longer be read.
class CharSetReader {
public:
    explicit CharSetReader(ByteSource& source);

    CharSetForm form() const { return m_form; }

    // The next unit's code, or nothing at the end (a last single byte of a UTF-16 file
    // is no unit).
    std::optional<std::uint16_t> next();

    // Bytes consumed from the start of the file, the mark included.
    std::uint64_t position() const { return m_position; }

private:
    bool fill();

    static constexpr std::size_t chunkSize = 4096;

    ByteSource& m_source;
    std::uint64_t m_size;
    CharSetForm m_form;
    std::uint64_t m_position = 0;
    std::array<std::uint8_t, chunkSize> m_chunk {};
    std::uint64_t m_chunkStart = 0;
    std::size_t m_chunkLength = 0;
};

// Every code of the character-set file at path, in its order; refused, saying why, when it
// cannot be opened or gives more codes than a font may hold (NewFontLimits.h).
Result<std::vector<std::uint16_t>> readCharSetCodes(const std::string& path);

} // namespace tessellon
