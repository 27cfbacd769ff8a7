#pragma once

#include "export/ExportMessages.h"
#include "export/ExportSession.h"
#include "export/ScriptEditor.h"

#include <QDialog>
#include <QTimer>

#include <atomic>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

class QPlainTextEdit;
class QPushButton;
class QSplitter;
class QTabWidget;
class QTextEdit;
class QWidget;

namespace tessellon {

class ExportRunThread;
class ExportTargetChoice;
class UserDialogs;
struct ExportTarget;

// The export dialog ("Export font lib"); one object for the whole run, shown modally for
// every export. The script editor (with line numbers), the script unit's messages and a
// short reference of the built-ins; what Export does is the ExportSession's. It opens at
// clientWidth x clientHeight and may be resized. A press of Export runs the script on
// a thread of its own, so that the dialog stays responsive and the button, "Stop" during
// the run, can stop a script that never ends.
//
// The font the run reads must neither change nor go: the dialog is modal, so while it is
// shown no command reaches the child windows and neither they nor the main window can be
// closed (Qt ignores close requests to windows a modal dialog blocks), and the dialog
// itself does not close (done, Close, the close box, Escape) before the run has stopped.
//
// Under the buttons, the Target list: "Script" runs the editor's script alone; a target
// puts its shipped script in the editor (the Script lines come back when "Script" is chosen
// again) and Export runs the editor's script with the target's built-ins and choices, then
// places the target's header beside the output and shows the size report. A target that
// cannot hold the font is refused in the messages before anything is written.
class TDlgExportLib : public QDialog {
    Q_OBJECT
public:
    static constexpr int clientWidth = 496;
    static constexpr int clientHeight = 485;
    static constexpr int panelWidth = 80;
    static constexpr int initialOutputHeight = 121;
    static inline const QString scriptFilter = QStringLiteral("tessellon script file(*.spt)|*.spt");

    // scriptFilePath: where the script of the last export is kept.
    TDlgExportLib(UserDialogs& dialogs, std::string scriptFilePath, QWidget* parent = nullptr);

    // The program's own script file: tessellon.spt in the program's folder, or in the
    // per-user data folder when the program's folder is not writable.
    static std::string programScriptFile();
    ~TDlgExportLib() override;

    // Fills the dialog for its next showing over font, which must stay alive and unchanged
    // until the dialog has closed: the editor gets the script of the last export (or the
    // default script) and the message box is emptied. fontFileName names the font's file,
    // which the output must not be; empty for a font that has none yet.
    void PrepareExport(
        const QString& outputFileName, const FontLib& font, const QString& fontFileName = {});
    // A press of Export: saves the script file, brings the Export page forward, creates the
    // output file and starts the run. Does nothing while a run is going.
    void RunExport();

    void cmdExportClick();
    void cmdLoadScriptClick();
    void cmdSaveScriptClick();
    void cmdHelpClick();

    bool isRunning() const { return m_run != nullptr; }
    // The lines of the run going on that are left out of the output page so far.
    std::size_t linesLeftOut() { return m_messages.leftOutCount(); }
    // Gives the stop request to a run and waits until it has ended.
    void stopRun();

    // Where the shipped target scripts and headers are (the program's data folder).
    void setDataFolder(std::filesystem::path folder) { m_dataFolder = std::move(folder); }

    std::vector<std::string> editorLines() const;
    void setEditorLines(const std::vector<std::string>& lines);
    const ExportSession& session() const { return m_session; }

    QPushButton& cmdExport() { return *m_cmdExport; }
    QPushButton& cmdLoadScript() { return *m_cmdLoadScript; }
    QPushButton& cmdSaveScript() { return *m_cmdSaveScript; }
    QPushButton& cmdHelp() { return *m_cmdHelp; }
    QPushButton& OKBtn() { return *m_okBtn; }
    QTabWidget& PageControl1() { return *m_pages; }
    QWidget& tabOutput() { return *m_tabOutput; }
    QWidget& TabSheet1() { return *m_tabHelp; }
    ScriptEditor& memExportFormat() { return *m_memExportFormat; }
    QSplitter& Splitter1() { return *m_splitter; }
    QPlainTextEdit& memOutput() { return *m_memOutput; }
    QTextEdit& RichEdit1() { return *m_richEdit; }
    ExportTargetChoice& targetChoice() { return *m_targetChoice; }

signals:
    // A run has ended and its last message is shown.
    void runFinished();

public slots:
    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QWidget* buildButtonPanel();
    QWidget* buildExportPage();
    QWidget* buildHelpPage();
    void showScriptFor(const ExportTarget* target);
    void targetChanged(const ExportTarget* target);
    bool readyForRun(const std::vector<std::string>& lines);
    void startRun(FileHandle output, std::string scriptText);
    void appendTargetRunEnd();
    void finishRun();
    void showMessages();
    void appendMessages(const std::vector<std::string>& lines);
    void warn(const std::string& message);

    UserDialogs& m_dialogs;
    ExportMessages m_messages;
    ExportSession m_session;
    std::atomic<bool> m_stopRequested { false };
    std::unique_ptr<ExportRunThread> m_run;
    QTimer m_messageTimer;
    int m_runSerial = 0;
    // The editor's text came from bytes that are not UTF-8 and is written back byte for byte.
    bool m_latin1Script = false;
    bool m_splitterPlaced = false;
    QString m_lastScriptName;
    std::filesystem::path m_dataFolder;
    // The Script choice's lines while a target's script is in the editor.
    std::vector<std::string> m_scriptLines;
    bool m_targetScriptShown = false;

    QPushButton* m_cmdExport = nullptr;
    QPushButton* m_cmdLoadScript = nullptr;
    QPushButton* m_cmdSaveScript = nullptr;
    QPushButton* m_cmdHelp = nullptr;
    QPushButton* m_okBtn = nullptr;
    QTabWidget* m_pages = nullptr;
    QWidget* m_tabOutput = nullptr;
    QWidget* m_tabHelp = nullptr;
    ScriptEditor* m_memExportFormat = nullptr;
    QSplitter* m_splitter = nullptr;
    QPlainTextEdit* m_memOutput = nullptr;
    QTextEdit* m_richEdit = nullptr;
    ExportTargetChoice* m_targetChoice = nullptr;
};

} // namespace tessellon
