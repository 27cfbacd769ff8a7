#include "editor/TextPreviewView.h"

#include <QPainter>

#include <algorithm>

namespace tessellon {

TextPreviewView::TextPreviewView(QWidget* parent)
    : QWidget(parent)
{
    setObjectName("imgPreview");
}

void TextPreviewView::setDisplay(QImage display, int scale)
{
    m_display = std::move(display);
    m_scale = scale;
    setFixedSize(m_display.size() * m_scale + QSize(2 * frameWidth, 2 * frameWidth));
    update();
}

void TextPreviewView::setGuideRows(std::vector<int> rows)
{
    m_guideRows = std::move(rows);
    update();
}

void TextPreviewView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    // Without smoothing: every display pixel stays a sharp square.
    painter.drawImage(QRect(QPoint(frameWidth, frameWidth), m_display.size() * m_scale), m_display);
    const int width = m_display.width() * m_scale;
    for (const int row : m_guideRows) {
        // Over the first row under the baseline, or, at the display's bottom, over the frame.
        const int y = std::min(frameWidth + row * m_scale, height() - 1);
        painter.fillRect(frameWidth, y, width, 1, QColor::fromRgb(guideColour));
    }
}

} // namespace tessellon
