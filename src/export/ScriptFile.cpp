#include "export/ScriptFile.h"

#include "document/SafeFileWriter.h"
#include "export/FileHandle.h"
#include "export/ScriptText.h"

#include <cstdio>
#include <filesystem>

namespace tessellon {

namespace {

    bool readWhole(std::FILE* file, std::string& text)
    {
        char chunk[16384];
        std::size_t got = 0;
        while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0) {
            if (text.size() + got > maxScriptFileBytes) {
                return false;
            }
            text.append(chunk, got);
        }
        return std::ferror(file) == 0;
    }

} // namespace

ScriptReadResult readScriptFile(const std::string& path)
{
    ScriptReadResult result;
    FileHandle file(std::fopen(path.c_str(), "rb"));
    std::string text;
    if (!file || !readWhole(file.get(), text)) {
        result.message = "Cannot open file " + path;
        return result;
    }
    result.ok = true;
    result.lines = splitScriptLines(text);
    return result;
}

ScriptWriteResult writeScriptFile(const std::string& path, const std::vector<std::string>& lines)
{
    const std::string text = joinScriptLines(lines);
    // The per-user data folder may not exist yet.
    std::error_code ignored;
    const std::filesystem::path parent = std::filesystem::path(path).parent_path();
    if (!parent.empty()) {
        std::filesystem::create_directories(parent, ignored);
    }
    SafeFileWriter writer(path);
    const bool written = writer.open()
        && writer.write({ reinterpret_cast<const std::uint8_t*>(text.data()), text.size() })
        && writer.commit();
    if (!written) {
        return { false, "Cannot create file " + path };
    }
    return { true, {} };
}

} // namespace tessellon
