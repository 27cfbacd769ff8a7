#include "creation/CharSetReader.h"

#include "creation/NewFontLimits.h"

#include <algorithm>
#include <span>

namespace tessellon {

CharSetReader::CharSetReader(ByteSource& source)
    : m_source(source)
    , m_size(source.size())
{
    std::array<std::uint8_t, utf16MarkSize> mark {};
    const bool haveMark = m_source.readAt(0, mark);
    m_form = charSetFormOf(mark.data(), haveMark ? mark.size() : 0);
    m_position = m_form == CharSetForm::Utf16 ? utf16MarkSize : 0;
}

std::optional<std::uint16_t> CharSetReader::next()
{
    const std::uint64_t unitSize = m_form == CharSetForm::Utf16 ? 2 : 1;
    if (m_size - m_position < unitSize) {
        return std::nullopt;
    }
    if (m_position + unitSize > m_chunkStart + m_chunkLength && !fill()) {
        return std::nullopt;
    }
    const std::uint8_t* unit = m_chunk.data() + (m_position - m_chunkStart);
    m_position += unitSize;
    if (unitSize == 1) {
        return unit[0];
    }
    return static_cast<std::uint16_t>(unit[0] | (unit[1] << 8));
}

bool CharSetReader::fill()
{
    // Chunks hold whole units: they start at the current position, and both the mark and
    // the chunk size are even.
    const auto length
        = static_cast<std::size_t>(std::min<std::uint64_t>(chunkSize, m_size - m_position));
    if (!m_source.readAt(m_position, std::span(m_chunk.data(), length))) {
        m_size = m_position;
        return false;
    }
    m_chunkStart = m_position;
    m_chunkLength = length;
    return true;
}

Result<std::vector<std::uint16_t>> readCharSetCodes(const std::string& path)
{
    auto charSet = openCharSetFile(path);
    if (!charSet) {
        return failure(charSet.message());
    }
    if (charSet->measure.glyphCount > maxCharSetGlyphs) {
        return failure("The character set " + path + " holds "
            + std::to_string(charSet->measure.glyphCount) + " characters; at most "
            + std::to_string(maxCharSetGlyphs) + " are allowed.");
    }
    std::vector<std::uint16_t> codes;
    codes.reserve(static_cast<std::size_t>(charSet->measure.glyphCount));
    CharSetReader reader(*charSet->source);
    while (const auto code = reader.next()) {
        codes.push_back(*code);
    }
    return codes;
}

} // namespace tessellon
