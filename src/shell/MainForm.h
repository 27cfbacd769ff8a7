#pragma once

#include "document/FontFileFormats.h"

#include <QMainWindow>

#include <memory>

class QMdiArea;
class QMenu;

namespace tessellon {

class MainStatusBar;
class MainToolBar;
class Program;
class TMDIChild;
class UserDialogs;
class WindowList;
struct MainActions;

// The main window: a frame for the child windows, one per open font, with the menus, the
// toolbar and the status bar. Its commands act on the active child window.
class TMainForm final : public QMainWindow {
    Q_OBJECT
public:
    static inline const QString openFilter = QString::fromStdString(fontOpenFilter());

    TMainForm(Program& program, UserDialogs& dialogs);
    ~TMainForm() override;

    // Opens the font of that name in a child window, or activates the window that already
    // shows it. Null when no window could be opened.
    TMDIChild* OpenOrCreate(const QString& name);

    TMDIChild* activeChild() const;
    QList<TMDIChild*> childWindows() const;
    QMdiArea& mdiArea() { return *m_mdiArea; }
    MainActions& actions() { return *m_actions; }
    MainStatusBar& statusPanels() { return *m_statusBar; }
    MainToolBar& CoolBar1() { return *m_toolBar; }
    QMenu& windowMenu() { return *m_windowMenu; }
    WindowList& windowList() { return *m_windowList; }

    // Recomputes which commands are enabled; runs whenever the program goes idle.
    void updateActions();

    void FileOpen1Execute();
    void FileSave1Execute();
    void FileSaveAs1Execute();
    void FileExit1Execute();
    void HelpAbout1Execute();
    void HelpHelp1Execute();

    void FileSave1Update();
    void FileClose1Update();
    void WindowCommandsUpdate();

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    void connectActions();
    TMDIChild* childShowing(const QString& path) const;

    Program& m_program;
    UserDialogs& m_dialogs;
    std::unique_ptr<MainActions> m_actions;
    QMdiArea* m_mdiArea;
    MainToolBar* m_toolBar;
    MainStatusBar* m_statusBar;
    QMenu* m_windowMenu = nullptr;
    WindowList* m_windowList = nullptr;
};

} // namespace tessellon
