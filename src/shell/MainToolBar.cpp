#include "shell/MainToolBar.h"

#include "shell/MainActions.h"

#include <QAction>
#include <QToolButton>

namespace tessellon {

MainToolBar::MainToolBar(const MainActions& actions, QWidget* parent)
    : QFrame(parent)
    , m_buttons { makeButton("SpeedButton1", 0, "New", actions.FileNew1),
        makeButton("SpeedButton2", 60, "Open", actions.FileOpen1),
        makeButton("SpeedButton4", 120, "Save", actions.FileSave1),
        // Export stands a little apart from the file buttons.
        makeButton("SpeedButton3", 184, "Export", actions.FileExport1),
        // Undo and Redo stand apart from the file commands as Export does.
        makeButton("SpeedButtonUndo", 248, "Undo", actions.EditUndo1),
        makeButton("SpeedButtonRedo", 308, "Redo", actions.EditRedo1) }
{
    setObjectName("CoolBar1");
    setFixedHeight(barHeight);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Button);
}

QToolButton* MainToolBar::makeButton(
    const char* name, int x, const QString& caption, QAction* action)
{
    auto* button = new QToolButton(this);
    button->setObjectName(name);
    button->setDefaultAction(action);
    button->setText(caption);
    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    button->setAutoRaise(true);
    button->setIconSize(QSize(32, 32));
    button->setGeometry(x, 2, buttonSize, buttonSize);
    return button;
}

} // namespace tessellon
