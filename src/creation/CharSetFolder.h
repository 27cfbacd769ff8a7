#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace tessellon {

// The character-set text files shipped in the folder "txt" of the program's data folder
// (document/ProgramFolders.h).

inline constexpr const char* charSetFolderName = "txt";
inline constexpr const char* noCharSetFilesMessage = "Can not find any .\\txt\\*.txt!";

std::filesystem::path charSetFolder(const std::filesystem::path& dataFolder);

// The names (without folder) of the files ending in ".txt", in any letter case, in the
// character-set folder of dataFolder, sorted by name without regard to case. Folders and
// other entries that are not files are left out. Empty when there is no such folder.
std::vector<std::string> listCharSetFiles(const std::filesystem::path& dataFolder);

// The path of a listed file.
std::string charSetFilePath(const std::filesystem::path& dataFolder, const std::string& name);

// The character-set file a user names: given, taken in folder, when it exists there or is a
// path (holds a '/'); else a shipped set of that name when there is one; else given in
// folder (which does not exist, so that opening it says so).
std::string findCharSetFile(const std::string& given, const std::filesystem::path& folder,
    const std::filesystem::path& dataFolder);

} // namespace tessellon
