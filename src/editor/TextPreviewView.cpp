#include "editor/TextPreviewView.h"

#include <QPainter>

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

void TextPreviewView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    // Without smoothing: every display pixel stays a sharp square.
    painter.drawImage(QRect(QPoint(frameWidth, frameWidth), m_display.size() * m_scale), m_display);
}

} // namespace tessellon
