#pragma once

#include "document/Result.h"

#include <cstdint>
#include <cstdio>
#include <memory>
#include <span>
#include <string>

namespace tessellon {

// Random-access reading of a byte sequence whose real size is known, so that a reader
// can check every claim of a file against what is really there before reading it.
class ByteSource {
public:
    virtual ~ByteSource() = default;
    virtual std::uint64_t size() const = 0;
    // Reads exactly destination.size() bytes at offset; false if they are not all there.
    virtual bool readAt(std::uint64_t offset, std::span<std::uint8_t> destination) = 0;
};

class MemoryByteSource final : public ByteSource {
public:
    explicit MemoryByteSource(std::span<const std::uint8_t> bytes)
        : m_bytes(bytes)
    {
    }
    std::uint64_t size() const override { return m_bytes.size(); }
    bool readAt(std::uint64_t offset, std::span<std::uint8_t> destination) override;

private:
    std::span<const std::uint8_t> m_bytes;
};

class FileByteSource final : public ByteSource {
public:
    // The reason, without the path, as openRegularFile gives it.
    static Result<std::unique_ptr<FileByteSource>> open(const std::string& path);
    ~FileByteSource() override;

    std::uint64_t size() const override { return m_size; }
    bool readAt(std::uint64_t offset, std::span<std::uint8_t> destination) override;

private:
    FileByteSource(std::FILE* file, std::uint64_t size)
        : m_file(file)
        , m_size(size)
    {
    }
    std::FILE* m_file;
    std::uint64_t m_size;
};

// A regular file opened for reading: its descriptor, which the caller closes, and its size.
struct RegularFile {
    int descriptor = -1;
    std::uint64_t size = 0;
};

// Opens the file at path for reading without waiting on a FIFO; the reason, without the
// path, when it cannot be opened or measured or is not a regular file (a FIFO or a device
// would block or never end).
Result<RegularFile> openRegularFile(const std::string& path);

// FileByteSource::open, with a message that names the file: "Cannot open file PATH: reason".
Result<std::unique_ptr<FileByteSource>> openFileForReading(const std::string& path);

// The message for a file that holds more than the maxBytes that kind ("a script file") may.
std::string fileTooLargeMessage(const std::string& path, std::uint64_t maxBytes, const char* kind);

// The whole content of the regular file at path, read into Bytes (std::string, a byte
// vector, QByteArray) only once its size is known to be at most maxBytes.
template <class Bytes>
Result<Bytes> readWholeFile(const std::string& path, std::uint64_t maxBytes, const char* kind)
{
    auto source = openFileForReading(path);
    if (!source) {
        return failure(source.message());
    }
    const std::uint64_t size = (*source)->size();
    if (size > maxBytes) {
        return failure(fileTooLargeMessage(path, maxBytes, kind));
    }
    Bytes bytes;
    bytes.resize(static_cast<decltype(bytes.size())>(size));
    const std::span<std::uint8_t> destination(
        reinterpret_cast<std::uint8_t*>(bytes.data()), static_cast<std::size_t>(size));
    if (!(*source)->readAt(0, destination)) {
        return failure("Cannot read file " + path + ": it ended early");
    }
    return bytes;
}

} // namespace tessellon
