#include "export/ScriptFile.h"

#include "document/ByteSource.h"
#include "document/SafeFileWriter.h"
#include "export/ScriptText.h"

#include <filesystem>

namespace tessellon {

namespace {

    constexpr std::size_t bytesPerMegabyte = 1024 * 1024;

    // The whole file as text, or the reason it cannot be had.
    Result<std::string> readText(const std::string& path)
    {
        auto source = FileByteSource::open(path);
        if (!source) {
            return failure(source.message());
        }
        const std::uint64_t size = (*source)->size();
        if (size > maxScriptFileBytes) {
            return failure("it is larger than "
                + std::to_string(maxScriptFileBytes / bytesPerMegabyte)
                + " MB, the most a script file may hold");
        }
        std::string text(static_cast<std::size_t>(size), '\0');
        if (!(*source)->readAt(0, { reinterpret_cast<std::uint8_t*>(text.data()), text.size() })) {
            return failure("it could not be read to its end");
        }
        return text;
    }

} // namespace

Result<std::vector<std::string>> readScriptFile(const std::string& path)
{
    const Result<std::string> text = readText(path);
    if (!text) {
        return failure("Cannot open file " + path + ": " + text.message());
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

} // namespace tessellon
