#include "document/SafeFileWriter.h"

#include "document/RandomName.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

#if defined(__unix__) || defined(__APPLE__)
#include <unistd.h>
#endif

namespace tessellon {

namespace fs = std::filesystem;

namespace {

    std::string temporaryNameBeside(const std::string& target)
    {
        return target + ".tmp-" + randomHexDigits(12);
    }

    bool flushToDisk(std::FILE* file)
    {
        if (std::fflush(file) != 0) {
            return false;
        }
#if defined(__unix__) || defined(__APPLE__)
        return ::fsync(fileno(file)) == 0;
#else
        return true;
#endif
    }

} // namespace

SafeFileWriter::SafeFileWriter(std::string targetPath)
    : m_target(std::move(targetPath))
{
}

SafeFileWriter::~SafeFileWriter() { discardTemporary(); }

Status SafeFileWriter::open()
{
    std::error_code error;
    if (fs::is_directory(m_target, error)) {
        return failure("Cannot create file " + m_target + ": it is a folder");
    }
    for (int attempt = 0; attempt < 8 && !m_file; ++attempt) {
        m_temporary = temporaryNameBeside(m_target);
        m_file = std::fopen(m_temporary.c_str(), "wbx");
        if (!m_file && errno != EEXIST) {
            break;
        }
    }
    if (!m_file) {
        const int creationError = errno;
        m_temporary.clear();
        return failWithErrno("Cannot create file " + m_target, creationError);
    }
    return {};
}

Status SafeFileWriter::write(std::span<const std::uint8_t> bytes)
{
    if (!m_file) {
        return failure("Cannot write file " + m_target + ": it is not open");
    }
    if (!bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), m_file) != bytes.size()) {
        return failWithErrno("Cannot write file " + m_target, errno);
    }
    return {};
}

Status SafeFileWriter::commit()
{
    if (!m_file) {
        return failure("Cannot write file " + m_target + ": it is not open");
    }
    const bool flushed = flushToDisk(m_file);
    const int flushError = errno;
    const bool closed = std::fclose(m_file) == 0;
    const int closeError = errno;
    m_file = nullptr;
    if (!flushed || !closed) {
        return failWithErrno("Cannot write file " + m_target, flushed ? closeError : flushError);
    }
    std::error_code error;
    const auto status = fs::status(m_target, error);
    if (!error && fs::exists(status)) {
        fs::permissions(m_temporary, status.permissions(), error);
    }
    fs::rename(m_temporary, m_target, error);
    if (error) {
        discardTemporary();
        return failure("Cannot replace file " + m_target + ": " + error.message());
    }
    m_temporary.clear();
    return {};
}

Failure SafeFileWriter::failWithErrno(const std::string& what, int error)
{
    discardTemporary();
    return failure(what + ": " + std::strerror(error));
}

void SafeFileWriter::discardTemporary()
{
    if (m_file) {
        std::fclose(m_file);
        m_file = nullptr;
    }
    if (!m_temporary.empty()) {
        std::error_code ignored;
        fs::remove(m_temporary, ignored);
        m_temporary.clear();
    }
}

} // namespace tessellon
