#include "document/SafeFileWriter.h"

#include "document/RandomName.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

#include <sys/stat.h>
#include <unistd.h>

namespace tessellon {

namespace fs = std::filesystem;

namespace {

    // The kernel's own limit on links followed while resolving one path.
    constexpr int maxLinkHops = 40;
    constexpr int randomDigits = 12;
    constexpr const char* temporaryMark = ".tmp-";
    constexpr std::size_t usualNameLimit = 255;
    // Long writes go out in blocks of this size, so that a stop is seen within one.
    constexpr std::size_t blockSize = 4 << 20;

    // Where a chain of symbolic links ends; the path itself when it is not a link. The end
    // need not exist yet: saving through a dangling link creates the file it names.
    Result<fs::path> followLinks(fs::path path)
    {
        for (int hop = 0; hop < maxLinkHops; ++hop) {
            std::error_code error;
            if (!fs::is_symlink(fs::symlink_status(path, error))) {
                return path;
            }
            const fs::path next = fs::read_symlink(path, error);
            if (error) {
                return failure(error.message());
            }
            path = next.is_absolute() ? next : path.parent_path() / next;
        }
        return failure(std::strerror(ELOOP));
    }

    std::size_t nameLimitOf(const fs::path& folder)
    {
        const long limit = ::pathconf(folder.empty() ? "." : folder.c_str(), _PC_NAME_MAX);
        return limit > 0 ? static_cast<std::size_t>(limit) : usualNameLimit;
    }

    // The first bytes of name, at most length of them, without splitting a UTF-8 character.
    std::string cutName(const std::string& name, std::size_t length)
    {
        if (name.size() <= length) {
            return name;
        }
        while (length > 0 && (static_cast<unsigned char>(name[length]) & 0xC0) == 0x80) {
            --length;
        }
        return name.substr(0, length);
    }

    // A new name in the destination's folder, no longer than the folder allows: a name
    // near the limit would otherwise fail only because of the added suffix.
    fs::path temporaryNameBeside(const fs::path& destination)
    {
        const std::string suffix = temporaryMark + randomHexDigits(randomDigits);
        const fs::path folder = destination.parent_path();
        const std::size_t limit = nameLimitOf(folder);
        const std::size_t room = limit > suffix.size() ? limit - suffix.size() : 0;
        return folder / (cutName(destination.filename().string(), room) + suffix);
    }

    // Read-only as a user sees it: not writable by us, or without any write permission
    // (which the superuser's access check would pass over).
    bool isReadOnly(const std::string& path, mode_t mode)
    {
        return ::access(path.c_str(), W_OK) != 0 || (mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
    }

    bool flushToDisk(std::FILE* file)
    {
        return std::fflush(file) == 0 && ::fsync(fileno(file)) == 0;
    }

} // namespace

SafeFileWriter::SafeFileWriter(std::string targetPath, std::stop_token stop)
    : m_target(std::move(targetPath))
    , m_stop(std::move(stop))
{
}

SafeFileWriter::~SafeFileWriter() { discardTemporary(); }

Status SafeFileWriter::open()
{
    if (Status going = checkNotStopped(); !going) {
        return going;
    }
    const Result<fs::path> destination = followLinks(m_target);
    if (!destination) {
        return failure("Cannot create file " + m_target + ": " + destination.message());
    }
    m_destination = destination->string();
    if (Status usable = checkDestination(); !usable) {
        return usable;
    }
    for (int attempt = 0; attempt < 8 && !m_file; ++attempt) {
        m_temporary = temporaryNameBeside(*destination).string();
        m_file = std::fopen(m_temporary.c_str(), "wbx");
        if (!m_file && errno != EEXIST) {
            break;
        }
    }
    if (!m_file) {
        const int error = errno;
        m_temporary.clear();
        return failWithErrno("Cannot create file " + m_target, error);
    }
    return {};
}

Status SafeFileWriter::checkDestination() const
{
    struct stat status { };
    if (::stat(m_destination.c_str(), &status) != 0) {
        // A new file; a folder that cannot be written shows when the temporary is created.
        return {};
    }
    if (S_ISDIR(status.st_mode)) {
        return failure("Cannot create file " + m_target + ": it is a folder");
    }
    if (!S_ISREG(status.st_mode)) {
        return failure("Cannot create file " + m_target + ": it is not a regular file");
    }
    if (isReadOnly(m_destination, status.st_mode)) {
        return failure("Cannot write file " + m_target + ": it is read-only");
    }
    return {};
}

Status SafeFileWriter::write(std::span<const std::uint8_t> bytes)
{
    if (!m_file) {
        return failure("Cannot write file " + m_target + ": it is not open");
    }
    while (!bytes.empty()) {
        if (Status going = checkNotStopped(); !going) {
            return going;
        }
        const std::span<const std::uint8_t> block = bytes.first(std::min(bytes.size(), blockSize));
        if (std::fwrite(block.data(), 1, block.size(), m_file) != block.size()) {
            return failWithErrno("Cannot write file " + m_target, errno);
        }
        bytes = bytes.subspan(block.size());
    }
    return {};
}

Status SafeFileWriter::write(std::string_view text)
{
    return write({ reinterpret_cast<const std::uint8_t*>(text.data()), text.size() });
}

Status SafeFileWriter::commit()
{
    if (!m_file) {
        return failure("Cannot write file " + m_target + ": it is not open");
    }
    if (Status going = checkNotStopped(); !going) {
        return going;
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
    const auto status = fs::status(m_destination, error);
    if (!error && fs::exists(status)) {
        fs::permissions(m_temporary, status.permissions(), error);
    }
    if (::rename(m_temporary.c_str(), m_destination.c_str()) != 0) {
        return failWithErrno("Cannot replace file " + m_target, errno);
    }
    m_temporary.clear();
    return {};
}

Failure SafeFileWriter::failWithErrno(const std::string& what, int error)
{
    discardTemporary();
    return failure(what + ": " + std::strerror(error));
}

Status SafeFileWriter::checkNotStopped()
{
    if (!m_stop.stop_requested()) {
        return {};
    }
    discardTemporary();
    return failure("Cannot write file " + m_target + ": interrupted");
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

Status writeFileSafely(const std::string& path, std::span<const std::uint8_t> bytes)
{
    SafeFileWriter writer(path);
    Status written = writer.open();
    if (written) {
        written = writer.write(bytes);
    }
    if (written) {
        written = writer.commit();
    }
    return written;
}

Status writeFileSafely(const std::string& path,
    const std::function<Status(const ByteSink&)>& produce, std::stop_token stop)
{
    SafeFileWriter writer(path, std::move(stop));
    if (Status opened = writer.open(); !opened) {
        return opened;
    }
    Status written;
    const ByteSink sink = [&writer, &written](std::span<const std::uint8_t> bytes) {
        written = writer.write(bytes);
        return written;
    };
    if (Status produced = produce(sink); !produced) {
        return produced;
    }
    return written ? writer.commit() : written;
}

} // namespace tessellon
