#include "export/OutputFile.h"

namespace tessellon {

OutputFileResult createOutputFile(const std::string& path)
{
    OutputFileResult result;
    result.file.reset(std::fopen(path.c_str(), "wb"));
    if (!result.file) {
        result.message = "Cannot create file " + path;
    }
    return result;
}

bool closeOutputFile(FileHandle file) { return file && std::fclose(file.release()) == 0; }

} // namespace tessellon
