#include "document/ByteSource.h"

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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

Result<RegularFile> openRegularFile(const std::string& path)
{
    // Without O_NONBLOCK opening a FIFO waits for a writer, possibly for ever.
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0) {
        return failure(std::strerror(errno));
    }
    struct stat status { };
    if (::fstat(descriptor, &status) != 0) {
        const int error = errno;
        ::close(descriptor);
        return failure(std::strerror(error));
    }
    if (!S_ISREG(status.st_mode)) {
        ::close(descriptor);
        return failure(S_ISDIR(status.st_mode) ? "it is a folder" : "it is not a regular file");
    }
    return RegularFile { descriptor, static_cast<std::uint64_t>(status.st_size) };
}

Result<std::unique_ptr<FileByteSource>> FileByteSource::open(const std::string& path)
{
    const Result<RegularFile> opened = openRegularFile(path);
    if (!opened) {
        return failure(opened.message());
    }
    std::FILE* file = ::fdopen(opened->descriptor, "rb");
    if (!file) {
        const int error = errno;
        ::close(opened->descriptor);
        return failure(std::strerror(error));
    }
    return std::unique_ptr<FileByteSource>(new FileByteSource(file, opened->size));
}

Result<std::unique_ptr<FileByteSource>> openFileForReading(const std::string& path)
{
    auto source = FileByteSource::open(path);
    if (!source) {
        return failure("Cannot open file " + path + ": " + source.message());
    }
    return source;
}

std::string fileTooLargeMessage(const std::string& path, std::uint64_t maxBytes, const char* kind)
{
    constexpr std::uint64_t megabyte = 1024 * 1024;
    const std::string limit = maxBytes % megabyte == 0 ? std::to_string(maxBytes / megabyte) + " MB"
                                                       : std::to_string(maxBytes) + " bytes";
    return "Cannot open file " + path + ": it is larger than " + limit + ", the most " + kind
        + " may hold";
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
    if (::fseeko(m_file, static_cast<off_t>(offset), SEEK_SET) != 0) {
        return false;
    }
    return std::fread(destination.data(), 1, destination.size(), m_file) == destination.size();
}

} // namespace tessellon
