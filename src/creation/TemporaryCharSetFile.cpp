#include "creation/TemporaryCharSetFile.h"

#include "creation/CharSetFormat.h"
#include "document/LittleEndian.h"
#include "document/RandomName.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <system_error>
#include <utility>
#include <vector>

namespace tessellon {

namespace fs = std::filesystem;

namespace {

    std::string uniqueName()
    {
        return std::string(TemporaryCharSetFile::namePrefix) + randomHexDigits(8) + ".tmp";
    }

    std::vector<std::uint8_t> encode(std::span<const std::uint16_t> codes)
    {
        std::vector<std::uint8_t> bytes(utf16MarkSize + 2 * codes.size());
        bytes[0] = utf16Mark0;
        bytes[1] = utf16Mark1;
        for (std::size_t i = 0; i < codes.size(); ++i) {
            writeLe16(&bytes[utf16MarkSize + 2 * i], codes[i]);
        }
        return bytes;
    }

    // Opens a new file that did not exist before, so that no other file is overwritten.
    std::FILE* createUnique(const fs::path& folder, std::string& path)
    {
        for (int attempt = 0; attempt < 16; ++attempt) {
            path = (folder / uniqueName()).string();
            if (std::FILE* file = std::fopen(path.c_str(), "wbx")) {
                return file;
            }
            if (errno != EEXIST) {
                break;
            }
        }
        return nullptr;
    }

} // namespace

TemporaryCharSetFile::~TemporaryCharSetFile() { remove(); }

TemporaryCharSetFile::TemporaryCharSetFile(TemporaryCharSetFile&& other) noexcept
    : m_path(std::exchange(other.m_path, {}))
{
}

TemporaryCharSetFile& TemporaryCharSetFile::operator=(TemporaryCharSetFile&& other) noexcept
{
    if (this != &other) {
        remove();
        m_path = std::exchange(other.m_path, {});
    }
    return *this;
}

Result<TemporaryCharSetFile> TemporaryCharSetFile::create(std::span<const std::uint16_t> codes)
{
    std::error_code error;
    const fs::path folder = fs::temp_directory_path(error);
    if (error) {
        return failure("Cannot find the temporary folder: " + error.message());
    }
    return create(codes, folder);
}

Result<TemporaryCharSetFile> TemporaryCharSetFile::create(
    std::span<const std::uint16_t> codes, const fs::path& folder)
{
    std::string path;
    std::FILE* file = createUnique(folder, path);
    if (!file) {
        return failure(
            "Cannot create a temporary file in " + folder.string() + ": " + std::strerror(errno));
    }
    TemporaryCharSetFile created(path); // removes the file if it is not handed out
    const auto bytes = encode(codes);
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    const int writeErrno = errno;
    const bool closed = std::fclose(file) == 0;
    if (!written || !closed) {
        return failure(
            "Cannot write file " + path + ": " + std::strerror(written ? errno : writeErrno));
    }
    return created;
}

void TemporaryCharSetFile::remove()
{
    if (!m_path.empty()) {
        std::error_code ignored;
        fs::remove(m_path, ignored);
        m_path.clear();
    }
}

} // namespace tessellon
