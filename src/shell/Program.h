#pragma once

#include "shell/CommandContext.h"

#include <QStringList>

#include <memory>

namespace tessellon {

class TAboutBox;
class TDlgExportLib;
class TMainForm;
class UserDialogs;

// The program's windows that live from start to end: its dialogs, then the main
// window, which is handed the dialogs already made. The dialogs are hidden between uses and
// keep their state.
class Program {
public:
    explicit Program(UserDialogs& dialogs);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    TMainForm& MainForm() { return *m_mainForm; }
    TAboutBox& AboutBox() { return *m_aboutBox; }
    TDlgExportLib& DlgExportLib() { return *m_dlgExportLib; }
    UserDialogs& dialogs() { return m_dialogs; }

    // Shows the main window, opens the font files given, and runs the event loop until the
    // window closes; with TESSELLON_QUIT_WHEN_SHOWN set in the environment, until it has
    // been painted once (quitWhenFirstPainted).
    int run(const QStringList& files = {});

    // Opens each font file in a window, as Open does; a name that does not exist is reported,
    // not made into a new font.
    void openFontFiles(const QStringList& files);

private:
    UserDialogs& m_dialogs;
    std::unique_ptr<TAboutBox> m_aboutBox;
    std::unique_ptr<TDlgExportLib> m_dlgExportLib;
    ProgramForms m_forms;
    std::unique_ptr<TMainForm> m_mainForm;
};

} // namespace tessellon
