#pragma once

#include <QImage>
#include <QWidget>

#include <vector>

namespace tessellon {

// Shows the text preview's display image scale times larger, pixel for pixel, in a thin
// frame, with a guide line one pixel high in guideColour over the top edge of each guide row
// (the baselines).
class TextPreviewView final : public QWidget {
    Q_OBJECT
public:
    static constexpr int frameWidth = 1;
    static constexpr QRgb guideColour = 0xffe83030;

    explicit TextPreviewView(QWidget* parent = nullptr);

    void setDisplay(QImage display, int scale);
    void setGuideRows(std::vector<int> rows);
    const std::vector<int>& guideRows() const { return m_guideRows; }
    const QImage& display() const { return m_display; }
    int scale() const { return m_scale; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage m_display;
    int m_scale = 1;
    std::vector<int> m_guideRows;
};

} // namespace tessellon
