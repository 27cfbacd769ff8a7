#include "formats/TextLineReader.h"

#include <algorithm>
#include <cstring>

namespace tessellon {

namespace {

    constexpr std::size_t blockSize = 1 << 16;

    constexpr std::size_t longestQuote = 40;

    std::string printableText(std::string_view text)
    {
        std::string shown;
        for (char c : text.substr(0, longestQuote)) {
            shown += (c >= 0x20 && c < 0x7F) ? c : '?';
        }
        if (text.size() > longestQuote) {
            shown += "...";
        }
        return shown;
    }

    Failure carriageReturnInside(std::uint64_t lineNumber)
    {
        return lineFailure(lineNumber,
            "a carriage return (CR) ends a line here; lines must end in LF or CR LF, not in CR "
            "alone");
    }

    bool holdsCarriageReturn(const char* begin, std::size_t length)
    {
        return std::memchr(begin, '\r', length) != nullptr;
    }

} // namespace

TextLineReader::TextLineReader(ByteSource& source)
    : m_source(source)
    , m_buffer(maxLineLength + blockSize + 2)
{
}

// Keeps the unread part at the front of the buffer and fills the rest from the source.
// False when nothing could be added.
bool TextLineReader::refill()
{
    if (m_start > 0) {
        std::memmove(m_buffer.data(), m_buffer.data() + m_start, m_end - m_start);
        m_end -= m_start;
        m_start = 0;
    }
    const std::uint64_t left = m_source.size() - m_sourceOffset;
    const auto wanted
        = static_cast<std::size_t>(std::min<std::uint64_t>(left, m_buffer.size() - m_end));
    if (wanted == 0) {
        return false;
    }
    std::span<std::uint8_t> into(reinterpret_cast<std::uint8_t*>(m_buffer.data() + m_end), wanted);
    if (!m_source.readAt(m_sourceOffset, into)) {
        return false;
    }
    m_sourceOffset += wanted;
    m_end += wanted;
    return true;
}

Result<bool> TextLineReader::advance()
{
    std::size_t searched = m_start;
    for (;;) {
        const char* begin = m_buffer.data() + m_start;
        const auto* newline = static_cast<const char*>(
            std::memchr(m_buffer.data() + searched, '\n', m_end - searched));
        const bool atEnd = newline == nullptr && m_sourceOffset == m_source.size();
        if (newline || (atEnd && m_end > m_start)) {
            const char* stop = newline ? newline : m_buffer.data() + m_end;
            std::size_t length = static_cast<std::size_t>(stop - begin);
            ++m_lineNumber;
            if (length > 0 && begin[length - 1] == '\r') {
                --length;
            }
            if (holdsCarriageReturn(begin, std::min(length, maxLineLength))) {
                return carriageReturnInside(m_lineNumber);
            }
            if (length > maxLineLength) {
                return lineFailure(m_lineNumber,
                    "the line is longer than " + std::to_string(maxLineLength) + " characters");
            }
            m_line = std::string_view(begin, length);
            m_lineOffset = bufferOffset() + static_cast<std::uint64_t>(begin - m_buffer.data());
            m_start = static_cast<std::size_t>(stop - m_buffer.data()) + (newline ? 1 : 0);
            return true;
        }
        if (atEnd) {
            return false;
        }
        if (m_end - m_start > maxLineLength + 1) {
            if (holdsCarriageReturn(begin, maxLineLength)) {
                return carriageReturnInside(m_lineNumber + 1);
            }
            return lineFailure(m_lineNumber + 1,
                "the line is longer than " + std::to_string(maxLineLength) + " characters");
        }
        const std::size_t kept = m_end - m_start;
        if (!refill()) {
            return failure("the file could not be read after line " + std::to_string(m_lineNumber));
        }
        searched = kept;
    }
}

void TextLineReader::seek(std::uint64_t offset, std::uint64_t lineNumber)
{
    if (offset >= bufferOffset() && offset <= m_sourceOffset) {
        m_start = static_cast<std::size_t>(offset - bufferOffset());
    } else {
        m_start = 0;
        m_end = 0;
        m_sourceOffset = std::min(offset, m_source.size());
    }
    m_line = {};
    m_lineNumber = lineNumber - 1;
}

Failure lineFailure(std::uint64_t lineNumber, const std::string& why)
{
    return failure("line " + std::to_string(lineNumber) + ": " + why);
}

std::string quotedText(std::string_view text)
{
    std::string quoted(1, '\'');
    quoted += printableText(text);
    quoted += '\'';
    return quoted;
}

} // namespace tessellon
