#include "export/TargetExport.h"

#include "document/ByteSource.h"
#include "document/SafeFileWriter.h"
#include "export/ExportRun.h"
#include "export/OutputFile.h"
#include "export/TargetBuiltins.h"

namespace tessellon {

namespace {

    constexpr std::uint64_t maxShippedBytes = 1 << 20;

    // Keeps a run's built-ins in the script unit only while they live.
    class BuiltinsInPlace {
    public:
        BuiltinsInPlace(Csub& csub, const ScriptBuiltins& builtins)
            : m_csub(csub)
        {
            m_csub.setBuiltins(&builtins);
        }
        ~BuiltinsInPlace() { m_csub.setBuiltins(nullptr); }
        BuiltinsInPlace(const BuiltinsInPlace&) = delete;
        BuiltinsInPlace& operator=(const BuiltinsInPlace&) = delete;

    private:
        Csub& m_csub;
    };

} // namespace

std::filesystem::path targetScriptPath(
    const ExportTarget& target, const std::filesystem::path& dataFolder)
{
    return dataFolder / "scripts" / std::string(target.scriptFile);
}

std::filesystem::path targetHeaderPath(
    const ExportTarget& target, const std::filesystem::path& dataFolder)
{
    return dataFolder / "include" / std::string(target.headerFile);
}

std::vector<std::filesystem::path> shippedFilesToPlace(
    const ExportTarget& target, const std::filesystem::path& dataFolder, bool withDecoder)
{
    std::vector<std::filesystem::path> files;
    if (!target.headerFile.empty()) {
        files.push_back(targetHeaderPath(target, dataFolder));
    }
    for (const std::string_view file :
        withDecoder ? target.decoderFiles : std::span<const std::string_view> {}) {
        files.push_back(dataFolder / "decoder" / std::string(file));
    }
    return files;
}

Status checkShippedFiles(const std::vector<std::filesystem::path>& files)
{
    for (const std::filesystem::path& file : files) {
        std::error_code error;
        if (!std::filesystem::is_regular_file(file, error)) {
            return failure(file.string()
                + " is missing from the program's files, so it cannot be placed beside the "
                  "export");
        }
    }
    return {};
}

Result<ExecuteResult> runTargetScript(Csub& csub, const TargetFont& font,
    const std::string& scriptText, const std::string& outputPath)
{
    Result<FileHandle> created = createOutputFile(outputPath);
    if (!created) {
        return failure(created.message());
    }
    return runTargetScriptInto(csub, font, scriptText, outputPath, std::move(created).value());
}

Result<ExecuteResult> runTargetScriptInto(Csub& csub, const TargetFont& font,
    const std::string& scriptText, const std::string& outputPath, FileHandle output)
{
    const ExportSource source = makeExportSource(outputPath, *font.font);
    const TargetBuiltins builtins(font);
    const BuiltinsInPlace inPlace(csub, builtins);
    return runExportInto(csub, source, scriptText, std::move(output));
}

ExportedBytes runTargetScriptToMemory(Csub& csub, const TargetFont& font,
    const std::string& scriptText, const std::string& outputPath, std::size_t maxBytes)
{
    const ExportSource source = makeExportSource(outputPath, *font.font);
    const TargetBuiltins builtins(font);
    const BuiltinsInPlace inPlace(csub, builtins);
    return runExportToMemory(csub, source, scriptText, maxBytes);
}

std::vector<std::string> targetNotes(const TargetFont& font)
{
    std::vector<std::string> notes;
    const CodeOrder all = codeOrder(*font.font, true);
    if (all.dropped > 0) {
        notes.push_back(std::to_string(all.dropped)
            + (all.dropped == 1 ? " glyph was" : " glyphs were")
            + " left out: an earlier glyph has the same code.");
    }
    if (all.size() > font.order.size()) {
        notes.push_back("The glyph of code 0 was left out: " + std::string(font.target->title)
            + " never draws it (it ends a string).");
    }
    return notes;
}

Result<std::string> placeShippedFileBeside(
    const std::string& outputPath, const std::filesystem::path& shippedFile)
{
    const auto shipped
        = readWholeFile<std::string>(shippedFile.string(), maxShippedBytes, "a shipped file");
    if (!shipped) {
        return failure(shipped.message());
    }
    const std::filesystem::path placed
        = std::filesystem::path(outputPath).parent_path() / shippedFile.filename();
    std::error_code error;
    if (std::filesystem::exists(placed, error)) {
        const auto there = readWholeFile<std::string>(placed.string(), maxShippedBytes, "a file");
        if (there && *there == *shipped) {
            return placed.string() + " is up to date";
        }
        return placed.string() + " differs from the file this program ships ("
            + shippedFile.string() + ") and was left as it is; remove it to have it placed";
    }
    const Status written = writeFileSafely(placed.string(),
        { reinterpret_cast<const std::uint8_t*>(shipped->data()), shipped->size() });
    if (!written) {
        return failure(written.message());
    }
    return "wrote " + placed.string();
}

Result<std::vector<std::string>> finishTargetExport(const TargetFont& font,
    const std::string& outputPath, const std::vector<std::filesystem::path>& shipped)
{
    std::vector<std::string> lines;
    for (const std::filesystem::path& file : shipped) {
        Result<std::string> placed = placeShippedFileBeside(outputPath, file);
        if (!placed) {
            return failure(placed.message());
        }
        lines.push_back(std::move(placed).value());
    }
    lines.push_back(sizeReportText(exportSize(font)));
    return lines;
}

} // namespace tessellon
