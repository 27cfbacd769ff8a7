#include "export/ExportRun.h"

#include "export/EmitGlyph.h"
#include "export/GlyphEmitter.h"
#include "export/OutputFile.h"
#include "script/FileScriptOutput.h"
#include "script/MemoryScriptOutput.h"

#include <cstring>

namespace tessellon {

TPutItemFunc putItemFor(const ExportSource& source)
{
    return [emitter = GlyphEmitter(source)](std::span<std::uint8_t> itemBuffer, std::uint32_t index,
               std::int32_t zip, std::int32_t bin, std::int32_t col) {
        return emitter.emit(itemBuffer, index, itemFormFor(zip, bin, col));
    };
}

TGetUnicodeFunc getUnicodeFor(const ExportSource& source)
{
    return [&source](std::uint32_t index) { return GetGlyphCode(source, index); };
}

namespace {

    ExecuteResult executeInto(
        Csub& csub, const ExportSource& source, const std::string& scriptText, ScriptOutput& output)
    {
        return csub.CsubExecute(output, scriptText, putItemFor(source), getUnicodeFor(source),
            static_cast<std::int32_t>(source.fontInfo.glyphCount));
    }

} // namespace

Result<ExecuteResult> runExportScript(
    Csub& csub, const ExportSource& source, const std::string& scriptText)
{
    Result<FileHandle> created = createOutputFile(source.outputFileName);
    if (!created) {
        return failure(created.message());
    }
    return runExportInto(csub, source, scriptText, std::move(created).value());
}

Result<ExecuteResult> runExportInto(
    Csub& csub, const ExportSource& source, const std::string& scriptText, FileHandle file)
{
    ExecuteResult executed = ExecuteResult::Ran;
    int writeError = 0;
    {
        FileScriptOutput output(file.get());
        executed = executeInto(csub, source, scriptText, output);
        output.flush();
        writeError = output.errorNumber();
    }
    const Status closed = closeOutputFile(std::move(file), source.outputFileName);
    if (writeError != 0 || executed == ExecuteResult::OutputFailed) {
        const std::string reason
            = writeError != 0 ? std::strerror(writeError) : "the bytes were not all written";
        return failure("Cannot write file " + source.outputFileName + ": " + reason);
    }
    if (!closed) {
        return failure(closed.message());
    }
    return executed;
}

ExportedBytes runExportToMemory(
    Csub& csub, const ExportSource& source, const std::string& scriptText, std::size_t limit)
{
    MemoryScriptOutput output(limit);
    const ExecuteResult executed = executeInto(csub, source, scriptText, output);
    return { executed, output.bytes() };
}

} // namespace tessellon
