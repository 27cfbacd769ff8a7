#pragma once

#include <QStatusBar>

namespace tessellon {

class StatusPanel;

// The main window's status bar: four panels. Panel 0 shows the long part of the current
// hint and takes the room that panels 1 to 3 leave; these show, at fixed widths, what the
// active child window reports. Text that does not fit is cut short with an ellipsis, and the
// whole text becomes the panel's tooltip.
class MainStatusBar final : public QStatusBar {
    Q_OBJECT
public:
    static constexpr int panelCount = 4;

    explicit MainStatusBar(QWidget* parent = nullptr);

    void setPanelText(int panel, const QString& text);
    // The whole text of a panel, and the part of it that fits.
    QString panelText(int panel) const;
    QString shownText(int panel) const;
    QWidget& panel(int panel);

private:
    StatusPanel* m_panels[panelCount];
};

} // namespace tessellon
