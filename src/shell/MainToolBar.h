#pragma once

#include <QFrame>

class QAction;
class QToolButton;

namespace tessellon {

struct MainActions;

// The main window's toolbar (CoolBar1): flat buttons, each showing its picture above its
// caption and bound to its menu command, so that it is enabled and hinted with it: New,
// Open, Save and Export, then Undo and Redo.
class MainToolBar final : public QFrame {
    Q_OBJECT
public:
    static constexpr int barHeight = 64;
    static constexpr int buttonSize = 60;
    static constexpr int buttonCount = 6;

    explicit MainToolBar(const MainActions& actions, QWidget* parent = nullptr);

    QToolButton& button(int position) { return *m_buttons[position]; }

private:
    QToolButton* makeButton(const char* name, int x, const QString& caption, QAction* action);

    QToolButton* m_buttons[buttonCount];
};

} // namespace tessellon
