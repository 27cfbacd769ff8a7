#pragma once

#include "document/Result.h"

#include <cstdint>
#include <cstdio>
#include <span>
#include <string>

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
class SafeFileWriter {
public:
    explicit SafeFileWriter(std::string targetPath);
    ~SafeFileWriter();
    SafeFileWriter(const SafeFileWriter&) = delete;
    SafeFileWriter& operator=(const SafeFileWriter&) = delete;

    Status open();
    Status write(std::span<const std::uint8_t> bytes);
    Status commit();

    // The file that commit() replaces: the target, or the file its links lead to. Known
    // once open() has succeeded.
    const std::string& destination() const { return m_destination; }

private:
    Status checkDestination() const;
    Failure failWithErrno(const std::string& what, int error);
    void discardTemporary();

    std::string m_target;
    std::string m_destination;
    std::string m_temporary;
    std::FILE* m_file = nullptr;
};

// Writes bytes as the whole new content of the file at path, through a SafeFileWriter.
Status writeFileSafely(const std::string& path, std::span<const std::uint8_t> bytes);

} // namespace tessellon
