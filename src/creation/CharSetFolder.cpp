#include "creation/CharSetFolder.h"

#include <algorithm>
#include <system_error>

namespace tessellon {

namespace fs = std::filesystem;

namespace {

    char lowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

    bool hasTxtExtension(const std::string& name)
    {
        static constexpr std::string_view extension = ".txt";
        if (name.size() < extension.size()) {
            return false;
        }
        const auto tail = std::string_view(name).substr(name.size() - extension.size());
        return std::equal(tail.begin(), tail.end(), extension.begin(),
            [](char a, char b) { return lowerAscii(a) == b; });
    }

    bool byNameIgnoringCase(const std::string& a, const std::string& b)
    {
        const bool less = std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
            [](char x, char y) { return lowerAscii(x) < lowerAscii(y); });
        const bool greater = std::lexicographical_compare(b.begin(), b.end(), a.begin(), a.end(),
            [](char x, char y) { return lowerAscii(x) < lowerAscii(y); });
        return less || (!greater && a < b);
    }

} // namespace

fs::path charSetFolder(const fs::path& dataFolder) { return dataFolder / charSetFolderName; }

std::vector<std::string> listCharSetFiles(const fs::path& dataFolder)
{
    std::vector<std::string> names;
    std::error_code error;
    fs::directory_iterator entries(charSetFolder(dataFolder), error);
    for (; !error && entries != fs::directory_iterator(); entries.increment(error)) {
        std::error_code typeError;
        const std::string name = entries->path().filename().string();
        if (hasTxtExtension(name) && entries->is_regular_file(typeError)) {
            names.push_back(name);
        }
    }
    std::sort(names.begin(), names.end(), byNameIgnoringCase);
    return names;
}

std::string charSetFilePath(const fs::path& dataFolder, const std::string& name)
{
    return (charSetFolder(dataFolder) / name).string();
}

std::string findCharSetFile(
    const std::string& given, const fs::path& folder, const fs::path& dataFolder)
{
    const std::string inFolder = (folder / given).string();
    std::error_code error;
    if (fs::exists(inFolder, error) || given.find('/') != std::string::npos) {
        return inFolder;
    }
    const std::string shipped = charSetFilePath(dataFolder, given);
    return fs::exists(shipped, error) ? shipped : inFolder;
}

} // namespace tessellon
