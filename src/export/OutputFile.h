#pragma once

#include "document/Result.h"
#include "export/FileHandle.h"

#include <string>

namespace tessellon {

// Creates the export's output file, or truncates it when it is a regular file that exists.
// A character device such as /dev/null is written as it is. Anything else is refused
// untouched, so that nothing waits: a FIFO would block the opening until a reader comes.
// Fails with "Cannot create file <path>: <reason>".
Result<FileHandle> createOutputFile(const std::string& path);

// Closes the file; fails with "Cannot write file <path>: <reason>" when the last bytes
// could not be written out.
Status closeOutputFile(FileHandle file, const std::string& path);

// Refuses an output that is inputPath itself under any name (another spelling of the path,
// a hard or symbolic link), which creating the output would empty. Fails with
// "Cannot create file <output>: it is the same file as <input>".
Status checkOutputIsNot(const std::string& outputPath, const std::string& inputPath);

} // namespace tessellon
