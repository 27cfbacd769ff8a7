#include "document/ProgramFolders.h"

#include <system_error>

namespace tessellon {

namespace fs = std::filesystem;

namespace {

    bool isFolder(const fs::path& path)
    {
        std::error_code error;
        return fs::is_directory(path, error);
    }

    bool holdsShippedFiles(const fs::path& folder)
    {
        return isFolder(folder / "txt") || isFolder(folder / "doc");
    }

} // namespace

fs::path programFolder()
{
    std::error_code error;
    const fs::path executable = fs::read_symlink("/proc/self/exe", error);
    return error ? fs::path() : executable.parent_path();
}

ProgramFolders findProgramFolders(const fs::path& programFolder)
{
    if (!programFolder.empty() && !holdsShippedFiles(programFolder)) {
        const fs::path installed = programFolder.parent_path() / installedDataFolder;
        if (isFolder(installed)) {
            return { programFolder, installed, true };
        }
    }
    return { programFolder, programFolder, false };
}

ProgramFolders programFolders() { return findProgramFolders(programFolder()); }

} // namespace tessellon
