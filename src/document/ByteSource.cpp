#include "document/ByteSource.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace tessellon {

bool MemoryByteSource::readAt(std::uint64_t offset, std::span<std::uint8_t> destination)
{
    if (offset > m_bytes.size() || destination.size() > m_bytes.size() - offset) {
        return false;
    }
    if (!destination.empty()) {
        std::memcpy(destination.data(), m_bytes.data() + offset, destination.size());
    }
    return true;
}

std::unique_ptr<FileByteSource> FileByteSource::open(
    const std::string& path, std::string& errorText)
{
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) {
        errorText = "it is a folder";
        return nullptr;
    }
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) {
        errorText = std::strerror(errno);
        return nullptr;
    }
    if (std::fseek(file, 0, SEEK_END) != 0) {
        errorText = std::strerror(errno);
        std::fclose(file);
        return nullptr;
    }
    const long end = std::ftell(file);
    if (end < 0) {
        errorText = std::strerror(errno);
        std::fclose(file);
        return nullptr;
    }
    return std::unique_ptr<FileByteSource>(
        new FileByteSource(file, static_cast<std::uint64_t>(end)));
}

FileByteSource::~FileByteSource() { std::fclose(m_file); }

bool FileByteSource::readAt(std::uint64_t offset, std::span<std::uint8_t> destination)
{
    if (offset > m_size || destination.size() > m_size - offset) {
        return false;
    }
    if (destination.empty()) {
        return true;
    }
    if (std::fseek(m_file, static_cast<long>(offset), SEEK_SET) != 0) {
        return false;
    }
    return std::fread(destination.data(), 1, destination.size(), m_file) == destination.size();
}

} // namespace tessellon
