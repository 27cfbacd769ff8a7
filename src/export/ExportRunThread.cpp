#include "export/ExportRunThread.h"

namespace tessellon {

ExportRunThread::ExportRunThread(ExportSession& session, FileHandle output, std::string scriptText)
    : m_session(session)
    , m_output(std::move(output))
    , m_scriptText(std::move(scriptText))
{
}

ExportRunThread::~ExportRunThread() { wait(); }

void ExportRunThread::run() { m_result = m_session.runScript(std::move(m_output), m_scriptText); }

} // namespace tessellon
