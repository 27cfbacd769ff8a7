#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace tessellon {

// The character-set text files shipped in the folder "txt" beside the program.

inline constexpr const char* charSetFolderName = "txt";
inline constexpr const char* noCharSetFilesMessage = "Can not find any .\\txt\\*.txt!";

// The folder that holds the running program, or an empty path when it cannot be told.
std::filesystem::path programFolder();

std::filesystem::path charSetFolder(const std::filesystem::path& programFolder);

// The names (without folder) of the files ending in ".txt", in any letter case, in the
// character-set folder of programFolder, sorted by name without regard to case. Folders and
// other entries that are not files are left out. Empty when there is no such folder.
std::vector<std::string> listCharSetFiles(const std::filesystem::path& programFolder);

// The path of a listed file.
std::string charSetFilePath(const std::filesystem::path& programFolder, const std::string& name);

} // namespace tessellon
