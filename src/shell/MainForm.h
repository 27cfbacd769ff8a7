#pragma once

#include "document/FontFileFormats.h"
#include "editor/TextPreviewSettings.h"
#include "shell/CommandBindings.h"
#include "shell/CommandContext.h"

#include <QMainWindow>

#include <memory>

class QMdiArea;
class QMdiSubWindow;
class QMenu;

namespace tessellon {

class MainStatusBar;
class NewCommand;
class MainToolBar;
class WindowList;
struct MainActions;

// The main window: a frame for the child windows, one per open font, with the menus, the
// toolbar and the status bar. It only wires commands: each action is bound to a handler of
// its own or to a command's controller, which acts on the active child window.
class TMainForm final : public QMainWindow, public ChildWindows {
    Q_OBJECT
public:
    static inline const QString openFilter = QString::fromStdString(fontOpenFilter());

    TMainForm(const ProgramForms& forms, UserDialogs& dialogs);
    ~TMainForm() override;

    TMDIChild* OpenOrCreate(const QString& name) override;
    TMDIChild* addChildWindow(const QString& name) override;
    TMDIChild* activeChild() const override;
    QList<TMDIChild*> childWindows() const override;
    QWidget* frameWindow() override { return this; }

    const CommandContext& context() const { return m_context; }
    // File > New's controller, which also makes the font of a name Open does not find.
    NewCommand& newCommand() { return *m_newCommand; }
    CommandBindings& commands() { return m_commands; }
    QMdiArea& mdiArea() { return *m_mdiArea; }
    MainActions& actions() { return *m_actions; }
    MainStatusBar& statusPanels() { return *m_statusBar; }
    MainToolBar& CoolBar1() { return *m_toolBar; }
    QMenu& windowMenu() { return *m_windowMenu; }
    WindowList& windowList() { return *m_windowList; }

    // Recomputes which commands are enabled; runs whenever the program goes idle.
    void updateActions();

    void FileOpen1Execute();
    void FileClose1Execute();
    void FileSave1Execute();
    void FileSaveAs1Execute();
    void FileExit1Execute();
    void HelpAbout1Execute();
    void HelpHelp1Execute();

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    void buildGlyphAndViewMenus();
    void connectActions();
    void connectEditingCommands();
    void connectWindowCommands();
    TMDIChild* childShowing(const QString& path) const;
    // Panels 1 to 3 show what the active child window reports, and nothing without one.
    void showActiveChildStatus();

    const ProgramForms m_forms;
    UserDialogs& m_dialogs;
    CommandContext m_context;
    CommandBindings m_commands;
    NewCommand* m_newCommand = nullptr; // bound to File > New, owned by m_commands
    std::unique_ptr<MainActions> m_actions;
    QMdiArea* m_mdiArea;
    MainToolBar* m_toolBar;
    MainStatusBar* m_statusBar;
    QMenu* m_windowMenu = nullptr;
    WindowList* m_windowList = nullptr;
    // The text preview's choices, carried from window to window for the run.
    TextPreviewSettings m_previewSettings;
};

} // namespace tessellon
