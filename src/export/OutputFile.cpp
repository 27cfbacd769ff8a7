#include "export/OutputFile.h"

#include "document/SameFile.h"

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tessellon {

namespace {

    std::string cannotCreate(const std::string& path, const std::string& reason)
    {
        return "Cannot create file " + path + ": " + reason;
    }

    // Why a file of this type cannot be an output; empty when it can be one.
    std::string unusableType(mode_t mode)
    {
        if (S_ISREG(mode) || S_ISCHR(mode)) {
            return {};
        }
        if (S_ISFIFO(mode)) {
            return "it is a FIFO (named pipe)";
        }
        if (S_ISDIR(mode)) {
            return "it is a folder";
        }
        if (S_ISBLK(mode)) {
            return "it is a block device";
        }
        return "it is not a regular file";
    }

    // Opening without a reader fails with ENXIO for a FIFO (thanks to O_NONBLOCK) and for a
    // socket; their type says more than the system's text.
    std::string openFailure(const std::string& path, int error)
    {
        struct stat status { };
        if (error == ENXIO && ::stat(path.c_str(), &status) == 0) {
            const std::string type = unusableType(status.st_mode);
            if (!type.empty()) {
                return type;
            }
        }
        return std::strerror(error);
    }

    // The file behind descriptor made ready for writing from its start, or why not.
    Status prepare(int descriptor)
    {
        struct stat status { };
        if (::fstat(descriptor, &status) != 0) {
            return failure(std::strerror(errno));
        }
        if (const std::string type = unusableType(status.st_mode); !type.empty()) {
            return failure(type);
        }
        if (S_ISREG(status.st_mode) && ::ftruncate(descriptor, 0) != 0) {
            return failure(std::strerror(errno));
        }
        const int flags = ::fcntl(descriptor, F_GETFL);
        if (flags < 0 || ::fcntl(descriptor, F_SETFL, flags & ~O_NONBLOCK) != 0) {
            return failure(std::strerror(errno));
        }
        return {};
    }

} // namespace

Result<FileHandle> createOutputFile(const std::string& path)
{
    const int descriptor = ::open(path.c_str(), O_WRONLY | O_CREAT | O_NONBLOCK | O_CLOEXEC, 0666);
    if (descriptor < 0) {
        return failure(cannotCreate(path, openFailure(path, errno)));
    }
    const Status prepared = prepare(descriptor);
    std::FILE* file = prepared ? ::fdopen(descriptor, "wb") : nullptr;
    if (!file) {
        const std::string reason = prepared ? std::strerror(errno) : prepared.message();
        ::close(descriptor);
        return failure(cannotCreate(path, reason));
    }
    return FileHandle(file);
}

Status closeOutputFile(FileHandle file, const std::string& path)
{
    if (!file) {
        return failure("Cannot write file " + path + ": it is not open");
    }
    if (std::fclose(file.release()) != 0) {
        return failure("Cannot write file " + path + ": " + std::strerror(errno));
    }
    return {};
}

Status checkOutputIsNot(const std::string& outputPath, const std::string& inputPath)
{
    if (isSameFile(outputPath, inputPath)) {
        return failure(cannotCreate(outputPath, "it is the same file as " + inputPath));
    }
    return {};
}

} // namespace tessellon
