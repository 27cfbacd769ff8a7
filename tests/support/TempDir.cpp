#include "TempDir.h"

#include <fstream>
#include <iterator>
#include <random>

namespace tessellon::test {

TempDir::TempDir()
{
    std::random_device entropy;
    m_path = std::filesystem::temp_directory_path()
        / ("tessellon-test-" + std::to_string(entropy()) + std::to_string(entropy()));
    std::filesystem::create_directories(m_path);
}

TempDir::~TempDir()
{
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
}

std::string TempDir::write(const std::string& name, const std::vector<std::uint8_t>& bytes) const
{
    const std::string file = path(name);
    writeBytes(file, bytes);
    return file;
}

std::vector<std::uint8_t> readBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return { std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>() };
}

void writeBytes(const std::string& path, const std::vector<std::uint8_t>& bytes)
{
    std::ofstream out(path, std::ios::binary);
    out.write(
        reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

std::string readText(const std::string& path)
{
    const auto bytes = readBytes(path);
    return { bytes.begin(), bytes.end() };
}

void writeText(const std::string& path, const std::string& text)
{
    writeBytes(path, { text.begin(), text.end() });
}

} // namespace tessellon::test
