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
    std::string outputFileName, const FontLib& font)
{
    m_source = makeExportSource(std::move(outputFileName), font);
    return scriptForEditor(m_scriptFilePath);
}

Result<ExecuteResult> ExportSession::RunExport(
    const std::vector<std::string>& editorLines, const std::function<void()>& afterSave)
{
    const Status apart = checkOutputIsNot(m_source.outputFileName, m_scriptFilePath);
    if (!apart) {
        return failure(apart.message());
    }
    const Status saved = writeScriptFile(m_scriptFilePath, editorLines);
    if (!saved) {
        return failure(saved.message());
    }
    if (afterSave) {
        afterSave();
    }
    return runExportScript(m_csub, m_source, joinScriptLines(editorLines));
}

} // namespace tessellon
