#include "shell/MainStatusBar.h"

#include <QLabel>

namespace tessellon {

namespace {

    constexpr int panelWidths[MainStatusBar::panelCount] = { 150, 50, 100, 100 };
    constexpr int barHeight = 19;

} // namespace

MainStatusBar::MainStatusBar(QWidget* parent)
    : QStatusBar(parent)
{
    setObjectName("StatusBar");
    setSizeGripEnabled(false);
    setFixedHeight(barHeight);
    for (int panel = 0; panel < panelCount; ++panel) {
        m_panels[panel] = new QLabel(this);
        m_panels[panel]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        m_panels[panel]->setFixedWidth(panelWidths[panel]);
        addWidget(m_panels[panel]);
    }
    m_panels[0]->setText("test");
}

void MainStatusBar::setPanelText(int panel, const QString& text)
{
    if (panel >= 0 && panel < panelCount) {
        m_panels[panel]->setText(text);
    }
}

QString MainStatusBar::panelText(int panel) const
{
    return panel >= 0 && panel < panelCount ? m_panels[panel]->text() : QString();
}

} // namespace tessellon
