#pragma once

#include <QStringList>

#include <memory>

namespace tessellon {

class TMainForm;
class UserDialogs;

// The program's main window, which lives from start to end; each command's dialog belongs to
// its controller, made on first use.
class Program {
public:
    explicit Program(UserDialogs& dialogs);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    TMainForm& MainForm() { return *m_mainForm; }
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
    std::unique_ptr<TMainForm> m_mainForm;
};

} // namespace tessellon
