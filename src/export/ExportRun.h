#pragma once

#include "export/ExportSource.h"
#include "script/Csub.h"

#include <string>

namespace tessellon {

enum class ExportRunStatus {
    Ran, // compiled and ran to its end; run errors may have been reported
    CompileError, // reported by the script unit; the output file is left empty
    Stopped, // the stop check ended the run; what was written stays in the file
    OutputFailed, // bytes could not be written to the output file
    ScriptNotSaved, // the script file could not be written; nothing ran
    OutputNotCreated, // the output file could not be created; nothing ran
};

struct ExportRunResult {
    ExportRunStatus status = ExportRunStatus::Ran;
    // "Cannot create file <path>" when the script or output file could not be created,
    // "Cannot write file <path>" when output bytes were lost; empty otherwise.
    std::string message;
};

// The script machine's callbacks over source: EmitGlyph and GetGlyphCode. The source must
// outlive the run.
TPutItemFunc putItemFor(const ExportSource& source);
TGetUnicodeFunc getUnicodeFor(const ExportSource& source);

// One export once the script is saved: creates or truncates the output file, compiles and
// runs scriptText over the source (the script unit reports through its line sink), and
// closes the file. Nothing runs when the output file cannot be created.
ExportRunResult runExportScript(
    Csub& csub, const ExportSource& source, const std::string& scriptText);

} // namespace tessellon
