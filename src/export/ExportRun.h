#pragma once

#include "document/Result.h"
#include "export/ExportSource.h"
#include "export/FileHandle.h"
#include "script/Csub.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace tessellon {

// The script machine's callbacks over source: EmitGlyph and GetGlyphCode. The source must
// outlive the run.
TPutItemFunc putItemFor(const ExportSource& source);
TGetUnicodeFunc getUnicodeFor(const ExportSource& source);

// One export once the script is saved: creates or truncates the output file, compiles and
// runs scriptText over the source (the script unit reports through its line sink), and
// closes the file. Gives how the script unit's run ended (Ran, CompileError, StackFull or
// Stopped; what was written stays in the file), or fails with "Cannot create file <path>:
// <reason>" when the output file could not be created (nothing ran) and with "Cannot write
// file <path>: <reason>" when output bytes were lost.
Result<ExecuteResult> runExportScript(
    Csub& csub, const ExportSource& source, const std::string& scriptText);

// The same run into an output file created already (createOutputFile), which it closes.
Result<ExecuteResult> runExportInto(
    Csub& csub, const ExportSource& source, const std::string& scriptText, FileHandle file);

// The same run into memory: how it ended and the bytes the script wrote, of which there may
// be at most limit (a write beyond it ends the run as OutputFailed).
struct ExportedBytes {
    ExecuteResult executed = ExecuteResult::Ran;
    std::vector<std::uint8_t> bytes;
};
ExportedBytes runExportToMemory(
    Csub& csub, const ExportSource& source, const std::string& scriptText, std::size_t limit);

} // namespace tessellon
