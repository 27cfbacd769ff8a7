#pragma once

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

    // False with errorText() set when the file cannot be created or written; nothing is
    // left behind then.
    bool create(std::span<const std::uint16_t> codes);
    bool create(std::span<const std::uint16_t> codes, const std::filesystem::path& folder);

    const std::string& path() const { return m_path; }
    const std::string& errorText() const { return m_error; }

    // Removes the file now (also done on destruction).
    void remove();

private:
    std::string m_path;
    std::string m_error;
};

} // namespace tessellon
