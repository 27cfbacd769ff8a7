#pragma once

#include "document/Result.h"
#include "export/ExportSession.h"
#include "export/FileHandle.h"

#include <QThread>

#include <string>

namespace tessellon {

// One export run off the GUI thread: the session's script unit compiles and runs the
// script into the output file, which the thread closes. The session must not be used
// elsewhere until the thread has finished; its line sink and stop check are called on
// this thread.
class ExportRunThread final : public QThread {
    Q_OBJECT
public:
    ExportRunThread(ExportSession& session, FileHandle output, std::string scriptText);
    // Waits for the run to end; give the stop request first.
    ~ExportRunThread() override;

    // How the run ended; read only after the thread has finished.
    const Result<ExecuteResult>& result() const { return m_result; }

protected:
    void run() override;

private:
    ExportSession& m_session;
    FileHandle m_output;
    std::string m_scriptText;
    Result<ExecuteResult> m_result = failure("the export has not run");
};

} // namespace tessellon
