#pragma once

#include "document/Result.h"
#include "export/ExportRun.h"
#include "export/ExportTarget.h"
#include "export/FileHandle.h"
#include "export/TargetFont.h"
#include "script/Csub.h"

#include <filesystem>
#include <string>
#include <vector>

namespace tessellon {

// An export to a target is the run of the target's shipped script (or one the user made
// from it) with the target's built-ins in place:
//
//   1. prepareTargetFont (TargetFont.h): choices settled, limits checked, nothing written;
//      checkShippedFiles: the files to place beside the output are there to be placed;
//   2. runTargetScript: the script run into the output file;
//   3. placeShippedFileBeside, for each of shippedFilesToPlace (a header, a decoder);
//   4. sizeReportText(exportSize(font)) for the user.

// The target's script and header among the program's shipped files (ProgramFolders::data).
std::filesystem::path targetScriptPath(
    const ExportTarget& target, const std::filesystem::path& dataFolder);
std::filesystem::path targetHeaderPath(
    const ExportTarget& target, const std::filesystem::path& dataFolder);

// The shipped files an export to target places beside its output: the target's header, and
// its decoder's files when withDecoder.
std::vector<std::filesystem::path> shippedFilesToPlace(
    const ExportTarget& target, const std::filesystem::path& dataFolder, bool withDecoder);

// Refused, naming the first that is missing, unless every file is there to be placed.
Status checkShippedFiles(const std::vector<std::filesystem::path>& files);

// Runs scriptText over font into outputPath (runExportScript), the target's built-ins in
// place for this run only.
Result<ExecuteResult> runTargetScript(Csub& csub, const TargetFont& font,
    const std::string& scriptText, const std::string& outputPath);
// The same run into an output file created already (ExportSession::createOutput, as the
// export dialog's runs do), which it closes.
Result<ExecuteResult> runTargetScriptInto(Csub& csub, const TargetFont& font,
    const std::string& scriptText, const std::string& outputPath, FileHandle output);

// The same run into memory, as runExportToMemory makes it: the bytes, or how the run ended.
ExportedBytes runTargetScriptToMemory(Csub& csub, const TargetFont& font,
    const std::string& scriptText, const std::string& outputPath, std::size_t maxBytes);

// What the user should know of the glyphs a target left out: those whose code an earlier
// glyph has, and the glyph of code 0 where the library never draws it. One sentence each.
std::vector<std::string> targetNotes(const TargetFont& font);

// Copies a shipped file (a header, a decoder's file) into the folder of outputPath, unless a
// file of its name is there already: one that holds the same is left alone, and so is one
// that differs (it may be the user's own, or an older copy the user changed), which the
// note says. Gives a note for the user either way.
Result<std::string> placeShippedFileBeside(
    const std::string& outputPath, const std::filesystem::path& shippedFile);

// The end of an export to font's target that ran to its end: each of shipped placed beside
// outputPath (placeShippedFileBeside), then the size report; the lines for the user.
Result<std::vector<std::string>> finishTargetExport(const TargetFont& font,
    const std::string& outputPath, const std::vector<std::filesystem::path>& shipped);

} // namespace tessellon
