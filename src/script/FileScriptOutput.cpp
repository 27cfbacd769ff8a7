#include "script/FileScriptOutput.h"

#include <algorithm>
#include <cerrno>

namespace tessellon {

namespace {
    constexpr std::size_t bufferSize = 64 * 1024;
}

FileScriptOutput::FileScriptOutput(std::FILE* file)
    : m_file(file)
    , m_buffer(bufferSize)
    , m_failed(file == nullptr)
{
}

FileScriptOutput::~FileScriptOutput()
{
    if (m_used > 0) {
        flush();
    }
}

bool FileScriptOutput::write(std::span<const std::uint8_t> bytes)
{
    if (m_failed) {
        return false;
    }
    if (bytes.size() > m_buffer.size() - m_used) {
        if (!drain()) {
            return false;
        }
        if (bytes.size() > m_buffer.size()) {
            return writeThrough(bytes);
        }
    }
    std::copy(bytes.begin(), bytes.end(), m_buffer.begin() + static_cast<std::ptrdiff_t>(m_used));
    m_used += bytes.size();
    return true;
}

bool FileScriptOutput::flush()
{
    if (!drain()) {
        return false;
    }
    if (std::fflush(m_file) != 0) {
        fail();
    }
    return !m_failed;
}

bool FileScriptOutput::drain()
{
    if (m_failed) {
        return false;
    }
    const bool ok = writeThrough({ m_buffer.data(), m_used });
    m_used = 0;
    return ok;
}

bool FileScriptOutput::writeThrough(std::span<const std::uint8_t> bytes)
{
    if (!bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), m_file) != bytes.size()) {
        fail();
    }
    return !m_failed;
}

void FileScriptOutput::fail()
{
    m_failed = true;
    m_errorNumber = errno;
}

} // namespace tessellon
