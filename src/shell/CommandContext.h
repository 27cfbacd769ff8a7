#pragma once

#include <QList>

class QString;
class QWidget;

namespace tessellon {

class TAboutBox;
class TDlgExportLib;
class TMDIChild;
class UserDialogs;

// The dialogs that live for the whole run. They are made before the main window, hidden
// between uses, and keep what the user left in them.
struct ProgramForms {
    TAboutBox& AboutBox;
    TDlgExportLib& DlgExportLib;
};

// The main window's child windows, as a command sees them.
class ChildWindows {
public:
    // The window the commands act on; null when none is open.
    virtual TMDIChild* activeChild() const = 0;
    // Every child window, the first opened first.
    virtual QList<TMDIChild*> childWindows() const = 0;
    // Opens the font of that name in a new child window, or brings forward the window that
    // already shows it. Null when no window could be opened.
    virtual TMDIChild* OpenOrCreate(const QString& name) = 0;
    // A new, empty child window captioned name, made the active one; the caller puts a font
    // in it (TMDIChild::takeFont) or closes it.
    virtual TMDIChild* addChildWindow(const QString& name) = 0;
    // The window that owns message boxes and file choosers.
    virtual QWidget* frameWindow() = 0;

protected:
    ~ChildWindows() = default;
};

// Everything a command's controller may use. A controller lives in its subsystem's folder
// (making a font in creation/, exporting in export/, glyph exchange in editor/), implements
// MainCommand for each action it serves, and is bound to its action by one line in the main
// window; it never sees the main window itself.
struct CommandContext {
    ChildWindows& windows;
    const ProgramForms& forms;
    UserDialogs& dialogs;
};

// One command of the main window: what its action does and when it is enabled.
class MainCommand {
public:
    virtual ~MainCommand() = default;

    // What a trigger of the action does.
    virtual void Execute() = 0;
    // Whether the action is enabled now; asked whenever the program goes idle.
    virtual bool Update() const { return true; }
};

} // namespace tessellon
