#pragma once

#include "document/ByteSource.h"
#include "document/Result.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tessellon {

// Reads a byte source as lines of text, a block at a time, so that a file of any size is
// read in bounded memory. Lines end in "\n" or "\r\n"; the last one may lack its end. A
// carriage return anywhere else is refused: it is what a file whose lines end in "\r" alone
// holds, which would otherwise read as one long line.
class TextLineReader {
public:
    static constexpr std::size_t maxLineLength = 65536;

    explicit TextLineReader(ByteSource& source);

    // Moves to the next line: true when there is one, false at the end of the source. Fails,
    // saying why, on a line longer than maxLineLength, a carriage return inside a line or a
    // source that cannot be read.
    Result<bool> advance();

    // Where the current line starts in the source.
    std::uint64_t lineOffset() const { return m_lineOffset; }
    // Goes back or on to the line that starts at offset and is numbered lineNumber, so that
    // the next advance() reads it.
    void seek(std::uint64_t offset, std::uint64_t lineNumber);

    // The current line, without its end; valid until the next advance().
    std::string_view line() const { return m_line; }
    // The current line's number, from 1.
    std::uint64_t lineNumber() const { return m_lineNumber; }

private:
    bool refill();
    std::uint64_t bufferOffset() const { return m_sourceOffset - m_end; }

    ByteSource& m_source;
    std::vector<char> m_buffer;
    std::size_t m_start = 0;
    std::size_t m_end = 0;
    std::uint64_t m_sourceOffset = 0;
    std::string_view m_line;
    std::uint64_t m_lineOffset = 0;
    std::uint64_t m_lineNumber = 0;
};

// "line N: why", the form of every message about a line of a text format.
Failure lineFailure(std::uint64_t lineNumber, const std::string& why);

// Text of a file for a message, in single quotes: printable ASCII as it is, anything else as
// '?', and at most 40 characters (then "...").
std::string quotedText(std::string_view text);

} // namespace tessellon
