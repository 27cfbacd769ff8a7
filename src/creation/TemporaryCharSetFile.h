#pragma once

#include "document/Result.h"

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>

namespace tessellon {

// A character-set file in the UTF-16 form (FF FE, then every code as two bytes
// little-endian), made under a new unique name beginning "pixel_" in a folder, by default
// the system's temporary folder. The file is removed when the object goes, so the caller
// keeps it exactly as long as the font is being made from it.
class TemporaryCharSetFile {
public:
    static constexpr const char* namePrefix = "pixel_";

    TemporaryCharSetFile() = default;
    ~TemporaryCharSetFile();
    TemporaryCharSetFile(TemporaryCharSetFile&& other) noexcept;
    TemporaryCharSetFile& operator=(TemporaryCharSetFile&& other) noexcept;
    TemporaryCharSetFile(const TemporaryCharSetFile&) = delete;
    TemporaryCharSetFile& operator=(const TemporaryCharSetFile&) = delete;

    // Fails, saying why, when the file cannot be created or written; nothing is left
    // behind then.
    static Result<TemporaryCharSetFile> create(std::span<const std::uint16_t> codes);
    static Result<TemporaryCharSetFile> create(
        std::span<const std::uint16_t> codes, const std::filesystem::path& folder);

    // Empty once removed, and for an object that holds no file.
    const std::string& path() const { return m_path; }

    // Removes the file now (also done on destruction).
    void remove();

private:
    explicit TemporaryCharSetFile(std::string path)
        : m_path(std::move(path))
    {
    }

    std::string m_path;
};

} // namespace tessellon
