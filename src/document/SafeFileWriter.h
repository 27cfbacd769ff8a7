#pragma once

#include <cstdint>
#include <cstdio>
#include <span>
#include <string>

namespace tessellon {

// Writes a file so that the old one is never lost: the bytes go to a new temporary file
// in the same folder, which replaces the target only once every byte has been written,
// flushed and closed. Until commit() succeeds the target is untouched; a writer that is
// destroyed without a successful commit removes its temporary file.
class SafeFileWriter {
public:
    explicit SafeFileWriter(std::string targetPath);
    ~SafeFileWriter();
    SafeFileWriter(const SafeFileWriter&) = delete;
    SafeFileWriter& operator=(const SafeFileWriter&) = delete;

    bool open();
    bool write(std::span<const std::uint8_t> bytes);
    bool commit();

    // What went wrong, naming the file, after open, write or commit returned false.
    const std::string& errorText() const { return m_error; }

private:
    bool fail(const std::string& what);
    void discardTemporary();

    std::string m_target;
    std::string m_temporary;
    std::FILE* m_file = nullptr;
    std::string m_error;
};

} // namespace tessellon
