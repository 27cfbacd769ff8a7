#pragma once

#include "script/ScriptOutput.h"

#include <cstdio>
#include <vector>

namespace tessellon {

// Buffered writing to a file the caller opened and closes. Once a write has failed, every
// later write and flush fails too. Bytes still buffered when the object is destroyed are
// written then; call flush() before closing the file to learn whether they were.
class FileScriptOutput final : public ScriptOutput {
public:
    explicit FileScriptOutput(std::FILE* file);
    ~FileScriptOutput() override;
    FileScriptOutput(const FileScriptOutput&) = delete;
    FileScriptOutput& operator=(const FileScriptOutput&) = delete;

    bool write(std::span<const std::uint8_t> bytes) override;
    bool flush() override;

    // The errno of the first failed write or flush, 0 while none has failed.
    int errorNumber() const { return m_errorNumber; }

private:
    bool writeThrough(std::span<const std::uint8_t> bytes);
    bool drain();
    void fail();

    std::FILE* m_file;
    std::vector<std::uint8_t> m_buffer;
    std::size_t m_used = 0;
    bool m_failed = false;
    int m_errorNumber = 0;
};

} // namespace tessellon
