#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace tessellon::test {

// A fresh folder of the test's own, under a unique name in the system's temporary folder,
// removed with everything in it at the end of the test. Tests keep every file they make
// in one, never at a fixed path.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    std::string path(const std::string& name) const { return (m_path / name).string(); }
    const std::filesystem::path& root() const { return m_path; }

    // Writes a file of that name in the folder and returns its path.
    std::string write(const std::string& name, const std::vector<std::uint8_t>& bytes) const;

private:
    std::filesystem::path m_path;
};

std::vector<std::uint8_t> readBytes(const std::string& path);
void writeBytes(const std::string& path, const std::vector<std::uint8_t>& bytes);
std::string readText(const std::string& path);
void writeText(const std::string& path, const std::string& text);

} // namespace tessellon::test
