#pragma once

#include <QImage>
#include <QWidget>

namespace tessellon {

// Shows the text preview's display image scale times larger, pixel for pixel, in a thin
// frame.
class TextPreviewView final : public QWidget {
    Q_OBJECT
public:
    static constexpr int frameWidth = 1;

    explicit TextPreviewView(QWidget* parent = nullptr);

    void setDisplay(QImage display, int scale);
    const QImage& display() const { return m_display; }
    int scale() const { return m_scale; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage m_display;
    int m_scale = 1;
};

} // namespace tessellon
