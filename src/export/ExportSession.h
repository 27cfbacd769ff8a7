#pragma once

#include "document/FontLib.h"
#include "export/ExportRun.h"
#include "export/ExportSource.h"
#include "export/ExportTarget.h"
#include "export/TargetFont.h"
#include "script/Csub.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace tessellon {

// What the export dialog keeps from start-up to the end of the program, without its
// widgets: the font being exported, the script file of the last export, and the script
// unit. The dialog shows the lines PrepareExport gives and hands its editor's lines to
// RunExport at each press of Export.
class ExportSession {
public:
    // scriptFilePath: where the script of the last export is kept (see
    // programScriptFilePath). sink receives the script unit's lines.
    explicit ExportSession(std::string scriptFilePath, LineSink sink = {});

    // Takes the font for the dialog's next showing and returns the lines its script editor
    // is to show: the script file's lines, or defaultScript when that file cannot be read.
    // The font must stay alive and unchanged until the next PrepareExport. fontFileName is
    // the file the font was read from or will be saved to, if any: the output must not be it.
    std::vector<std::string> PrepareExport(
        std::string outputFileName, const FontLib& font, std::string fontFileName = {});

    // One press of Export: saves the editor's lines to the script file (on failure nothing
    // else happens), calls afterSave (the dialog empties its message box there), then
    // creates the output file and runs the lines joined with CR LF (runExportScript).
    Result<ExecuteResult> RunExport(
        const std::vector<std::string>& editorLines, const std::function<void()>& afterSave = {});

    // The steps of RunExport, for a caller that runs the script on a thread of its own.
    // saveScript refuses an output that is the script file or the font's file under any
    // name (creating it would empty them) before it saves anything. A script file that
    // already holds the lines is left as it is.
    Status saveScript(const std::vector<std::string>& editorLines);
    // Refuses an output that is the script file or the font's file under any name.
    Status checkOutputApart() const;
    Result<FileHandle> createOutput() const;
    // Runs scriptText into the output that createOutput gave and closes it, with the chosen
    // target's built-ins in place. Only one run at a time: the script unit's tables serve
    // every run.
    Result<ExecuteResult> runScript(FileHandle output, const std::string& scriptText);

    // Makes the runs until the next PrepareExport exports to target with choices (runs with
    // the target's built-ins, its shipped files in dataFolder placed beside the output after
    // them), or, with none, runs of the script alone. Refused before anything is written when
    // the target cannot hold the font (naming the limit), its shipped files are missing, or
    // the output is the script file or the font's file; otherwise gives what the user should
    // know of the glyphs the target leaves out.
    Result<std::vector<std::string>> chooseTarget(const ExportTarget* target,
        const ExportChoices& choices, const std::filesystem::path& dataFolder);
    // After a run to the chosen target that ran to its end: a note for each shipped file
    // placed beside the output, then the size report.
    Result<std::vector<std::string>> finishTargetRun() const;
    const TargetFont* target() const { return m_target ? &*m_target : nullptr; }

    const ExportSource& source() const { return m_source; }
    const std::string& scriptFilePath() const { return m_scriptFilePath; }
    Csub& csub() { return m_csub; }

private:
    std::string m_scriptFilePath;
    std::string m_fontFileName;
    const FontLib* m_font = nullptr;
    ExportSource m_source;
    std::optional<TargetFont> m_target;
    std::vector<std::filesystem::path> m_shippedFiles;
    Csub m_csub;
};

// The lines the script editor starts from: those of the file at path, or defaultScript
// when it cannot be read. An empty file gives no lines.
std::vector<std::string> scriptForEditor(const std::string& path);

} // namespace tessellon
