#include "export/ExportSession.h"

#include "export/DefaultScript.h"
#include "export/OutputFile.h"
#include "export/ScriptFile.h"
#include "export/ScriptText.h"
#include "export/TargetExport.h"

namespace tessellon {

std::vector<std::string> scriptForEditor(const std::string& path)
{
    Result<std::vector<std::string>> read = readScriptFile(path);
    return read ? std::move(read).value() : defaultScript();
}

ExportSession::ExportSession(std::string scriptFilePath, LineSink sink)
    : m_scriptFilePath(std::move(scriptFilePath))
    , m_csub(std::move(sink))
{
}

std::vector<std::string> ExportSession::PrepareExport(
    std::string outputFileName, const FontLib& font, std::string fontFileName)
{
    m_source = makeExportSource(std::move(outputFileName), font);
    m_fontFileName = std::move(fontFileName);
    m_font = &font;
    m_target.reset();
    return scriptForEditor(m_scriptFilePath);
}

Result<ExecuteResult> ExportSession::RunExport(
    const std::vector<std::string>& editorLines, const std::function<void()>& afterSave)
{
    const Status saved = saveScript(editorLines);
    if (!saved) {
        return failure(saved.message());
    }
    if (afterSave) {
        afterSave();
    }
    Result<FileHandle> output = createOutput();
    if (!output) {
        return failure(output.message());
    }
    return runScript(std::move(output).value(), joinScriptLines(editorLines));
}

Status ExportSession::checkOutputApart() const
{
    for (const std::string& input : { m_scriptFilePath, m_fontFileName }) {
        const Status apart = checkOutputIsNot(m_source.outputFileName, input);
        if (!apart) {
            return apart;
        }
    }
    return {};
}

Status ExportSession::saveScript(const std::vector<std::string>& editorLines)
{
    if (const Status apart = checkOutputApart(); !apart) {
        return apart;
    }
    // Pressing Export again on an unchanged script is common; the file stays as it is
    // instead of being rewritten and flushed to the disk every time.
    if (scriptFileHolds(m_scriptFilePath, editorLines)) {
        return {};
    }
    return writeScriptFile(m_scriptFilePath, editorLines);
}

Result<FileHandle> ExportSession::createOutput() const
{
    return createOutputFile(m_source.outputFileName);
}

Result<ExecuteResult> ExportSession::runScript(FileHandle output, const std::string& scriptText)
{
    if (m_target) {
        return runTargetScriptInto(
            m_csub, *m_target, scriptText, m_source.outputFileName, std::move(output));
    }
    return runExportInto(m_csub, m_source, scriptText, std::move(output));
}

Result<std::vector<std::string>> ExportSession::chooseTarget(const ExportTarget* target,
    const ExportChoices& choices, const std::filesystem::path& dataFolder)
{
    m_target.reset();
    m_shippedFiles.clear();
    if (!target) {
        return std::vector<std::string> {};
    }
    if (!m_font) {
        return failure("there is no font to export");
    }
    Result<TargetFont> prepared
        = prepareTargetFont(*m_font, *target, choices, m_source.outputFileName);
    if (!prepared) {
        return failure(std::string(target->name) + ": " + prepared.message());
    }
    std::vector<std::filesystem::path> shipped = shippedFilesToPlace(*target, dataFolder, false);
    Status ready = checkShippedFiles(shipped);
    if (ready) {
        ready = checkOutputApart();
    }
    if (!ready) {
        return failure(ready.message());
    }
    m_target = std::move(prepared).value();
    m_shippedFiles = std::move(shipped);
    return targetNotes(*m_target);
}

Result<std::vector<std::string>> ExportSession::finishTargetRun() const
{
    if (!m_target) {
        return std::vector<std::string> {};
    }
    return finishTargetExport(*m_target, m_source.outputFileName, m_shippedFiles);
}

} // namespace tessellon
