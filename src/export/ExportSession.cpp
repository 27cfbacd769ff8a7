#include "export/ExportSession.h"

#include "export/DefaultScript.h"
#include "export/OutputFile.h"
#include "export/ScriptFile.h"
#include "export/ScriptText.h"

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

Status ExportSession::saveScript(const std::vector<std::string>& editorLines)
{
    for (const std::string& input : { m_scriptFilePath, m_fontFileName }) {
        const Status apart = checkOutputIsNot(m_source.outputFileName, input);
        if (!apart) {
            return apart;
        }
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
    return runExportInto(m_csub, m_source, scriptText, std::move(output));
}

} // namespace tessellon
