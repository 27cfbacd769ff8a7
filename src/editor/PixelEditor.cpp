#include "editor/PixelEditor.h"

#include "document/FontDocument.h"

#include <QMouseEvent>
#include <QPainter>

namespace tessellon {

namespace {

    QColor toQColor(Rgb colour) { return QColor(colour.red, colour.green, colour.blue); }

} // namespace

PixelEditor::PixelEditor(FontDocument& document, QWidget* parent)
    : QWidget(parent)
    , m_document(document)
{
    setObjectName("imgEdit");
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    QImage blank(m_document.glyphWidth() * m_document.zoom,
        m_document.glyphHeight() * m_document.zoom, QImage::Format_RGB32);
    blank.fill(Qt::white);
    setPicture(std::move(blank));
}

void PixelEditor::setPicture(QImage picture)
{
    m_picture = std::move(picture);
    setFixedSize(m_picture.size());
    update();
}

void PixelEditor::setupPicture(int width, int height)
{
    const int zoom = m_document.zoom;
    QImage picture(width * zoom, height * zoom, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    const QColor rule = toQColor(ruleGrey);
    for (int x = 0; x < picture.width(); x += zoom) {
        painter.fillRect(x, 0, 1, picture.height(), rule);
    }
    for (int y = 0; y < picture.height(); y += zoom) {
        painter.fillRect(0, y, picture.width(), 1, rule);
    }
    painter.end();
    setPicture(std::move(picture));
}

void PixelEditor::RedrawEditor()
{
    const int width = m_document.glyphWidth();
    const int height = m_document.glyphHeight();
    if (m_document.editBuffer.size() != static_cast<std::size_t>(width) * height) {
        return;
    }
    QPainter painter(&m_picture);
    for (int x = 0; x < width; ++x) {
        for (int y = 0; y < height; ++y) {
            const bool ink = m_document.editBuffer[y * width + x] == 1;
            painter.fillRect(squareRect(x, y), ink ? Qt::black : Qt::white);
        }
    }
    update();
}

bool PixelEditor::insideGlyph(int column, int row) const
{
    return column >= 0 && row >= 0 && column < m_document.glyphWidth()
        && row < m_document.glyphHeight()
        && m_document.editBuffer.size()
        == static_cast<std::size_t>(m_document.glyphWidth()) * m_document.glyphHeight();
}

void PixelEditor::drawWithPen(int column, int row)
{
    const bool ink = m_document.penColor == black;
    m_document.editBuffer[row * m_document.glyphWidth() + column] = ink ? 1 : 0;
    // Only this square can have changed: repainting all of them, as RedrawEditor does,
    // makes strokes lag on large glyphs.
    paintSquare(column, row, ink);
    update(squareRect(column, row));
}

QRect PixelEditor::squareRect(int column, int row) const
{
    const int zoom = m_document.zoom;
    return { column * zoom + 1, row * zoom + 1, zoom - 2, zoom - 2 };
}

void PixelEditor::paintSquare(int column, int row, bool ink)
{
    QPainter painter(&m_picture);
    painter.fillRect(squareRect(column, row), ink ? Qt::black : Qt::white);
}

void PixelEditor::imgEditMouseDown(Qt::MouseButton button, int x, int y)
{
    if (button != Qt::LeftButton) {
        return;
    }
    const int column = x / m_document.zoom;
    const int row = y / m_document.zoom;
    if (x >= 0 && y >= 0 && insideGlyph(column, row)) {
        drawWithPen(column, row);
    }
}

void PixelEditor::imgEditMouseMove(Qt::MouseButtons buttons, int x, int y)
{
    // Division truncates toward zero, as the position shown always has.
    const int column = x / m_document.zoom;
    const int row = y / m_document.zoom;
    if (column < 0 || row < 0 || column >= m_document.glyphWidth()
        || row >= m_document.glyphHeight()) {
        return;
    }
    if (buttons.testFlag(Qt::LeftButton) && insideGlyph(column, row)) {
        drawWithPen(column, row);
    }
    emit positionChanged(QString::asprintf("%02d,%02d", row, column));
}

void PixelEditor::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(0, 0, m_picture);
}

void PixelEditor::mousePressEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    imgEditMouseDown(event->button(), at.x(), at.y());
}

void PixelEditor::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    imgEditMouseMove(event->buttons(), at.x(), at.y());
}

} // namespace tessellon
