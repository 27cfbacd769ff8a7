#pragma once

#include "document/Result.h"

#include <cstdint>
#include <cstdio>
#include <functional>
#include <span>
#include <stop_token>
#include <string>
#include <string_view>

namespace tessellon {

// Writes a file so that the old one is never lost: the bytes go to a new temporary file
// in the target's folder, which replaces the target only once every byte has been written,
// flushed and closed. Until commit() succeeds the target is untouched; a writer that is
// destroyed without a successful commit removes its temporary file.
//
// A target that is a symbolic link is written where the link leads (the link stays a
// link). Replacing works by renaming, so other hard links to the old file keep the old
// content. A target that is read-only, a folder or not a regular file is refused.
// Every failure's message names the target and the reason.
//
// Once stop is requested (an interrupted command), open, write and commit fail
// ("...: interrupted") and the temporary file goes: a long write stops within a block.
class SafeFileWriter {
public:
    explicit SafeFileWriter(std::string targetPath, std::stop_token stop = {});
    ~SafeFileWriter();
    SafeFileWriter(const SafeFileWriter&) = delete;
    SafeFileWriter& operator=(const SafeFileWriter&) = delete;

    Status open();
    Status write(std::span<const std::uint8_t> bytes);
    Status write(std::string_view text);
    Status commit();

    // The file that commit() replaces: the target, or the file its links lead to. Known
    // once open() has succeeded.
    const std::string& destination() const { return m_destination; }

private:
    Status checkDestination() const;
    Failure failWithErrno(const std::string& what, int error);
    Status checkNotStopped();
    void discardTemporary();

    std::string m_target;
    std::stop_token m_stop;
    std::string m_destination;
    std::string m_temporary;
    std::FILE* m_file = nullptr;
};

// Writes bytes as the whole new content of the file at path, through a SafeFileWriter.
Status writeFileSafely(const std::string& path, std::span<const std::uint8_t> bytes);

// Where a writer that makes its content piece by piece hands each piece; a failure (the
// file could not be written) ends the making.
using ByteSink = std::function<Status(std::span<const std::uint8_t>)>;

// Writes the file at path from the pieces that produce hands to its sink as it makes them,
// through a SafeFileWriter, so that the content is never held whole: the file is replaced
// only when produce succeeds and every piece was written. A failure of produce's own is
// given back as it is.
Status writeFileSafely(const std::string& path,
    const std::function<Status(const ByteSink&)>& produce, std::stop_token stop = {});

} // namespace tessellon
