#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace tessellon::test {

// A fresh folder under the system's temporary folder, removed with everything in it at the
// end of the test.
class ScratchFolder {
public:
    explicit ScratchFolder(const std::string& name)
        : m_path(std::filesystem::temp_directory_path() / ("tessellon-test-" + name))
    {
        std::filesystem::remove_all(m_path);
        std::filesystem::create_directories(m_path);
    }
    ~ScratchFolder() { std::filesystem::remove_all(m_path); }

    const std::filesystem::path& path() const { return m_path; }

    std::string write(const std::string& name, const std::vector<std::uint8_t>& bytes) const
    {
        const auto file = m_path / name;
        std::ofstream out(file, std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
        return file.string();
    }

    // An empty file.
    static void touch(const std::filesystem::path& folder, const std::string& name)
    {
        std::ofstream out(folder / name, std::ios::binary);
    }

private:
    std::filesystem::path m_path;
};

inline std::vector<std::uint8_t> readAll(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return { std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>() };
}

} // namespace tessellon::test
