#include "editor/PixelEditor.h"

#include "editor/EditorState.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

namespace tessellon {

namespace {

    QColor toQColor(Rgb colour) { return QColor(colour.red, colour.green, colour.blue); }

    std::optional<GlyphTransform> shiftForKey(int key)
    {
        switch (key) {
        case Qt::Key_Up:
            return GlyphTransform::ShiftUp;
        case Qt::Key_Down:
            return GlyphTransform::ShiftDown;
        case Qt::Key_Left:
            return GlyphTransform::ShiftLeft;
        case Qt::Key_Right:
            return GlyphTransform::ShiftRight;
        default:
            return std::nullopt;
        }
    }

} // namespace

PixelEditor::PixelEditor(EditorState& editor, QWidget* parent)
    : QWidget(parent)
    , m_editor(editor)
{
    setObjectName("imgEdit");
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    QImage blank(m_editor.glyphWidth() * m_editor.zoom, m_editor.glyphHeight() * m_editor.zoom,
        QImage::Format_RGB32);
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
    const int zoom = m_editor.zoom;
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

void PixelEditor::setZoom(int zoom)
{
    m_editor.zoom = zoom;
    setupPicture(m_editor.glyphWidth(), m_editor.glyphHeight());
    RedrawEditor();
}

void PixelEditor::RedrawEditor()
{
    const int width = m_editor.glyphWidth();
    const int height = m_editor.glyphHeight();
    if (!hasBuffer()) {
        return;
    }
    QPainter painter(&m_picture);
    for (int x = 0; x < width; ++x) {
        for (int y = 0; y < height; ++y) {
            const bool ink = m_editor.editBuffer[y * width + x] == 1;
            painter.fillRect(squareRect(x, y), ink ? Qt::black : Qt::white);
        }
    }
    update();
}

PixelPoint PixelEditor::pixelAt(int x, int y) const
{
    // Division truncates toward zero, as the position shown always has.
    return { x / m_editor.zoom, y / m_editor.zoom };
}

bool PixelEditor::hasBuffer() const
{
    return m_editor.editBuffer.size()
        == static_cast<std::size_t>(m_editor.glyphWidth()) * m_editor.glyphHeight();
}

bool PixelEditor::insideGlyph(PixelPoint pixel) const
{
    return pixel.x >= 0 && pixel.y >= 0 && pixel.x < m_editor.glyphWidth()
        && pixel.y < m_editor.glyphHeight();
}

void PixelEditor::startStroke(PixelPoint pixel)
{
    m_strokeBefore = m_editor.editBuffer;
    m_strokeEnd = pixel;
    drawLineTo(pixel);
}

void PixelEditor::drawLineTo(PixelPoint pixel)
{
    const bool ink = m_editor.penColor == black;
    // Only the squares on the line can have changed: repainting all of them, as RedrawEditor
    // does, makes strokes lag on large glyphs.
    QPainter painter(&m_picture);
    for (const PixelPoint point : linePixels(m_strokeEnd, pixel)) {
        if (insideGlyph(point)) {
            m_editor.editBuffer[point.y * m_editor.glyphWidth() + point.x] = ink ? 1 : 0;
            const QRect square = squareRect(point.x, point.y);
            painter.fillRect(square, ink ? Qt::black : Qt::white);
            update(square);
        }
    }
    m_strokeEnd = pixel;
}

void PixelEditor::endStroke()
{
    if (!m_strokeBefore) {
        return;
    }
    const std::vector<std::uint8_t> before = std::move(*m_strokeBefore);
    m_strokeBefore.reset();
    if (before != m_editor.editBuffer) {
        emit strokeEnded(before);
    }
}

QRect PixelEditor::squareRect(int column, int row) const
{
    const int zoom = m_editor.zoom;
    return { column * zoom + 1, row * zoom + 1, zoom - 2, zoom - 2 };
}

void PixelEditor::imgEditMouseDown(Qt::MouseButton button, int x, int y)
{
    if (button != Qt::LeftButton || x < 0 || y < 0) {
        return;
    }
    const PixelPoint pixel = pixelAt(x, y);
    if (hasBuffer() && insideGlyph(pixel)) {
        endStroke();
        startStroke(pixel);
    }
}

void PixelEditor::imgEditMouseMove(Qt::MouseButtons buttons, int x, int y)
{
    const PixelPoint pixel = pixelAt(x, y);
    const bool inside = insideGlyph(pixel);
    if (buttons.testFlag(Qt::LeftButton) && hasBuffer()) {
        // A stroke that leaves the picture goes on along the line when it comes back.
        if (m_strokeBefore) {
            drawLineTo(pixel);
        } else if (inside) {
            startStroke(pixel);
        }
    }
    if (inside) {
        emit positionChanged(QString::asprintf("%02d,%02d", pixel.y, pixel.x));
    }
}

void PixelEditor::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(0, 0, m_picture);
    if (hasFocus()) {
        // Where the Glyph menu acts: a frame on the outer rules, clear of the squares.
        painter.setPen(palette().color(QPalette::Highlight));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
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

void PixelEditor::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        endStroke();
    }
}

void PixelEditor::keyPressEvent(QKeyEvent* event)
{
    const std::optional<GlyphTransform> shift = shiftForKey(event->key());
    if (shift && event->modifiers() == Qt::ShiftModifier) {
        emit transformRequested(*shift);
        return;
    }
    QWidget::keyPressEvent(event);
}

void PixelEditor::wheelEvent(QWheelEvent* event)
{
    if (!event->modifiers().testFlag(Qt::ControlModifier)) {
        QWidget::wheelEvent(event);
        return;
    }
    const int steps = m_wheel.turn(event->angleDelta().y());
    if (steps != 0) {
        emit zoomRequested(steps);
    }
    event->accept();
}

void PixelEditor::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    update();
}

void PixelEditor::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    update();
}

} // namespace tessellon
