#pragma once

#include <QWidget>

class QToolButton;

namespace tessellon {

// The toolbar above the pixel editor (CoolBar1): the black and white pens, one of which is
// always down, and the Update button, which stays at the toolbar's right end. The bar is
// never narrower than its three buttons.
class PenToolBar final : public QWidget {
    Q_OBJECT
public:
    static constexpr int buttonSize = 40;
    static constexpr int barHeight = 40;

    explicit PenToolBar(QWidget* parent = nullptr);

    QToolButton& spdColorBlack() { return *m_black; }
    QToolButton& spdColorWhite() { return *m_white; }
    QToolButton& spdUpdate() { return *m_update; }

    void CoolBar1Resize();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QToolButton* makeButton(const char* name, int x, const QString& hint);

    QToolButton* m_black;
    QToolButton* m_white;
    QToolButton* m_update;
};

} // namespace tessellon
