#pragma once

#include "TempDir.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace tessellon::test {

// A fresh folder of the test's own, under a unique name in the system's temporary folder,
// removed with everything in it at the end of the test.
class ScratchFolder {
public:
    const std::filesystem::path& path() const { return m_folder.root(); }

    std::string write(const std::string& name, const std::vector<std::uint8_t>& bytes) const
    {
        const std::string file = m_folder.path(name);
        writeBytes(file, bytes);
        return file;
    }

    // An empty file.
    static void touch(const std::filesystem::path& folder, const std::string& name)
    {
        writeBytes((folder / name).string(), {});
    }

private:
    TempDir m_folder;
};

inline std::vector<std::uint8_t> readAll(const std::string& path) { return readBytes(path); }

} // namespace tessellon::test
