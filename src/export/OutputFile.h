#pragma once

#include "export/FileHandle.h"

#include <string>

namespace tessellon {

struct OutputFileResult {
    FileHandle file; // null when the file could not be created
    std::string message; // "Cannot create file <path>" when file is null
};

// Creates the export's output file, or truncates it to zero length when it exists.
OutputFileResult createOutputFile(const std::string& path);

// Closes the file; false when the last bytes could not be written out.
bool closeOutputFile(FileHandle file);

} // namespace tessellon
