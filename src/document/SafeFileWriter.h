#pragma once

#include "document/Result.h"

#include <cstdint>
#include <cstdio>
#include <span>
#include <string>

namespace tessellon {

// Writes a file so that the old one is never lost: the bytes go to a new temporary file
// in the same folder, which replaces the target only once every byte has been written,
// flushed and closed. Until commit() succeeds the target is untouched; a writer that is
// destroyed without a successful commit removes its temporary file. Every failure's
// message names the target and the reason.
class SafeFileWriter {
public:
    explicit SafeFileWriter(std::string targetPath);
    ~SafeFileWriter();
    SafeFileWriter(const SafeFileWriter&) = delete;
    SafeFileWriter& operator=(const SafeFileWriter&) = delete;

    Status open();
    Status write(std::span<const std::uint8_t> bytes);
    Status commit();

private:
    Failure failWithErrno(const std::string& what, int error);
    void discardTemporary();

    std::string m_target;
    std::string m_temporary;
    std::FILE* m_file = nullptr;
};

} // namespace tessellon
