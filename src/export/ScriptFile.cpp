#include "export/ScriptFile.h"

#include "document/ByteSource.h"
#include "document/SafeFileWriter.h"
#include "export/DefaultScript.h"
#include "export/ScriptText.h"

#include <filesystem>

namespace tessellon {

Result<std::vector<std::string>> readScriptFile(const std::string& path)
{
    const auto text = readWholeFile<std::string>(path, maxScriptFileBytes, "a script file");
    if (!text) {
        return failure(text.message());
    }
    return splitScriptLines(*text);
}

Status writeScriptFile(const std::string& path, const std::vector<std::string>& lines)
{
    const std::string text = joinScriptLines(lines);
    // The per-user data folder may not exist yet.
    std::error_code ignored;
    const std::filesystem::path parent = std::filesystem::path(path).parent_path();
    if (!parent.empty()) {
        std::filesystem::create_directories(parent, ignored);
    }
    return writeFileSafely(
        path, { reinterpret_cast<const std::uint8_t*>(text.data()), text.size() });
}

bool scriptFileHolds(const std::string& path, const std::vector<std::string>& lines)
{
    const std::string text = joinScriptLines(lines);
    auto source = FileByteSource::open(path);
    if (!source || (*source)->size() != text.size()) {
        return false;
    }
    std::string held(text.size(), '\0');
    return (*source)->readAt(0, { reinterpret_cast<std::uint8_t*>(held.data()), held.size() })
        && held == text;
}

Result<std::string> scriptTextOf(const std::optional<std::string>& path)
{
    if (!path) {
        return joinScriptLines(defaultScript());
    }
    const Result<std::vector<std::string>> read = readScriptFile(*path);
    if (!read) {
        return failure(read.message());
    }
    return joinScriptLines(*read);
}

} // namespace tessellon
