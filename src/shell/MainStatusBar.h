#pragma once

#include <QStatusBar>

class QLabel;

namespace tessellon {

// The main window's status bar: four panels of fixed width. Panel 0 shows the long part
// of the current hint, panels 1 to 3 what the active child window reports.
class MainStatusBar final : public QStatusBar {
    Q_OBJECT
public:
    static constexpr int panelCount = 4;

    explicit MainStatusBar(QWidget* parent = nullptr);

    void setPanelText(int panel, const QString& text);
    QString panelText(int panel) const;

private:
    QLabel* m_panels[panelCount];
};

} // namespace tessellon
