#pragma once

#include <filesystem>

namespace tessellon {

// Where the program finds the files it ships (the character sets in txt/, the manual in doc/,
// the example scripts in scripts/): beside the program, as in a build folder or an unpacked
// copy, or in share/tessellon beside the bin/ folder it was installed to.
struct ProgramFolders {
    std::filesystem::path program; // the folder of the running program
    std::filesystem::path data; // the folder that holds txt/, doc/ and scripts/
    bool installed = false; // data lies under share/tessellon
};

inline constexpr const char* installedDataFolder = "share/tessellon";

// The folder that holds the running program, or an empty path when it cannot be told.
std::filesystem::path programFolder();

// The folders of a program in programFolder: its own folder when it holds txt/ or doc/,
// else ../share/tessellon when that is a folder, else its own folder (where a missing file is
// then looked for and reported).
ProgramFolders findProgramFolders(const std::filesystem::path& programFolder);

// The folders of the running program.
ProgramFolders programFolders();

} // namespace tessellon
