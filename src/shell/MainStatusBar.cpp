#include "shell/MainStatusBar.h"

#include <QLabel>

#include <algorithm>

namespace tessellon {

namespace {

    constexpr int panelWidths[MainStatusBar::panelCount] = { 150, 50, 100, 100 };
    constexpr int barHeight = 19;

} // namespace

// A panel that shows as much of its text as fits, with an ellipsis and the whole text as
// tooltip when it does not.
class StatusPanel final : public QLabel {
public:
    explicit StatusPanel(QWidget* parent)
        : QLabel(parent)
    {
        setFrameStyle(QFrame::Panel | QFrame::Sunken);
    }

    const QString& fullText() const { return m_fullText; }

    void setFullText(const QString& text)
    {
        m_fullText = text;
        showWhatFits();
    }

protected:
    void resizeEvent(QResizeEvent* event) override
    {
        QLabel::resizeEvent(event);
        showWhatFits();
    }

private:
    void showWhatFits()
    {
        const QString shown = fontMetrics().elidedText(
            m_fullText, Qt::ElideRight, std::max(0, contentsRect().width() - 2 * margin()));
        setText(shown);
        setToolTip(shown == m_fullText ? QString() : m_fullText);
    }

    QString m_fullText;
};

MainStatusBar::MainStatusBar(QWidget* parent)
    : QStatusBar(parent)
{
    setObjectName("StatusBar");
    setSizeGripEnabled(false);
    setFixedHeight(barHeight);
    for (int panel = 0; panel < panelCount; ++panel) {
        m_panels[panel] = new StatusPanel(this);
        m_panels[panel]->setFixedWidth(panelWidths[panel]);
    }
    // The long part of a hint needs more room than the 150 pixels that panel 0 keeps at least.
    m_panels[0]->setMinimumWidth(panelWidths[0]);
    m_panels[0]->setMaximumWidth(QWIDGETSIZE_MAX);
    m_panels[0]->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    addWidget(m_panels[0], 1);
    for (int panel = 1; panel < panelCount; ++panel) {
        addWidget(m_panels[panel]);
    }
    m_panels[0]->setFullText("test");
}

void MainStatusBar::setPanelText(int panel, const QString& text)
{
    if (panel >= 0 && panel < panelCount) {
        m_panels[panel]->setFullText(text);
    }
}

QString MainStatusBar::panelText(int panel) const
{
    return panel >= 0 && panel < panelCount ? m_panels[panel]->fullText() : QString();
}

QString MainStatusBar::shownText(int panel) const
{
    return panel >= 0 && panel < panelCount ? m_panels[panel]->text() : QString();
}

QWidget& MainStatusBar::panel(int panel) { return *m_panels[panel]; }

} // namespace tessellon
