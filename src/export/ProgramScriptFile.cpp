#include "export/ProgramScriptFile.h"

#include "document/RandomName.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

namespace tessellon {

namespace fs = std::filesystem;

namespace {

    std::string probeName() { return ".tessellon-probe-" + randomHexDigits(12); }

} // namespace

bool canCreateFilesIn(const std::string& folder)
{
    std::error_code error;
    if (folder.empty() || !fs::is_directory(folder, error)) {
        return false;
    }
    const std::string probe = (fs::path(folder) / probeName()).string();
    std::FILE* file = std::fopen(probe.c_str(), "wbx");
    if (!file) {
        return false;
    }
    std::fclose(file);
    fs::remove(probe, error);
    return true;
}

std::string scriptFileFolder(const std::string& programFolder, const std::string& userDataFolder)
{
    if (canCreateFilesIn(programFolder) || userDataFolder.empty()) {
        return programFolder;
    }
    return userDataFolder;
}

std::string programScriptFilePath(
    const std::string& programFolder, const std::string& userDataFolder)
{
    const fs::path folder = scriptFileFolder(programFolder, userDataFolder);
    return (folder / programScriptFileName).string();
}

std::string programScriptFilePath(const ProgramFolders& folders, const std::string& userDataFolder)
{
    if (folders.installed && !userDataFolder.empty()) {
        return (fs::path(userDataFolder) / programScriptFileName).string();
    }
    return programScriptFilePath(folders.program.string(), userDataFolder);
}

} // namespace tessellon
