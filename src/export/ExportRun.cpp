#include "export/ExportRun.h"

#include "export/EmitGlyph.h"
#include "export/GlyphEmitter.h"
#include "export/OutputFile.h"
#include "script/FileScriptOutput.h"

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
        executed = csub.CsubExecute(output, scriptText, putItemFor(source), getUnicodeFor(source),
            static_cast<std::int32_t>(source.fontInfo.glyphCount));
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

} // namespace tessellon
