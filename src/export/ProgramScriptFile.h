#pragma once

#include "document/ProgramFolders.h"

#include <string>

namespace tessellon {

// The script of the last export is kept in one file, "tessellon.spt", read at every
// opening of the export dialog and rewritten at every export.
inline constexpr const char* programScriptFileName = "tessellon.spt";

// The folder that holds that file: the program's own folder when a file can be created
// there, else (an installed program) the per-user data folder, for reading and writing
// alike. Both folders are given by the caller.
std::string scriptFileFolder(const std::string& programFolder, const std::string& userDataFolder);

// The path of the script file in the folder scriptFileFolder chose.
std::string programScriptFilePath(
    const std::string& programFolder, const std::string& userDataFolder);

// The path of the script file of a program in folders. An installed program's folder is
// shared by every user, so each keeps their own file in their data folder.
std::string programScriptFilePath(const ProgramFolders& folders, const std::string& userDataFolder);

// True when a new file can be created in folder (tried with a probe file that is removed
// at once).
bool canCreateFilesIn(const std::string& folder);

} // namespace tessellon
