#include "export/ExportRun.h"

#include "export/EmitGlyph.h"
#include "export/GlyphEmitter.h"
#include "export/OutputFile.h"
#include "script/FileScriptOutput.h"

namespace tessellon {

namespace {

    ExportRunStatus statusOf(ExecuteResult executed)
    {
        switch (executed) {
        case ExecuteResult::Ran:
            return ExportRunStatus::Ran;
        case ExecuteResult::CompileError:
            return ExportRunStatus::CompileError;
        case ExecuteResult::Stopped:
            return ExportRunStatus::Stopped;
        case ExecuteResult::OutputFailed:
            return ExportRunStatus::OutputFailed;
        }
        return ExportRunStatus::OutputFailed;
    }

} // namespace

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

ExportRunResult runExportScript(
    Csub& csub, const ExportSource& source, const std::string& scriptText)
{
    OutputFileResult created = createOutputFile(source.outputFileName);
    if (!created.file) {
        return { ExportRunStatus::OutputNotCreated, created.message };
    }
    ExecuteResult executed = ExecuteResult::Ran;
    bool flushed = true;
    {
        FileScriptOutput output(created.file.get());
        executed = csub.CsubExecute(output, scriptText, putItemFor(source), getUnicodeFor(source),
            static_cast<std::int32_t>(source.fontInfo.glyphCount));
        flushed = output.flush();
    }
    const bool closed = closeOutputFile(std::move(created.file));
    ExportRunResult result { statusOf(executed), {} };
    if (!flushed || !closed || result.status == ExportRunStatus::OutputFailed) {
        result = { ExportRunStatus::OutputFailed, "Cannot write file " + source.outputFileName };
    }
    return result;
}

} // namespace tessellon
