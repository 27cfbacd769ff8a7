#pragma once

#include "editor/GlyphTransform.h"
#include "editor/PixelLine.h"
#include "editor/WheelNotches.h"

#include <QImage>
#include <QWidget>

#include <cstdint>
#include <optional>
#include <vector>

namespace tessellon {

class EditorState;

// The magnified pixel editor (imgEdit): the window's edit buffer (EditorState) drawn zoom times
// larger, grey rule lines between the pixels, and a pen that sets pixels under the left button. A
// stroke, from press to release, sets every pixel on the lines between the mouse positions it
// passed, however fast the mouse moved.
class PixelEditor final : public QWidget {
    Q_OBJECT
public:
    explicit PixelEditor(EditorState& editor, QWidget* parent = nullptr);

    // A white picture for a glyph of width x height with the grey rules and no pixels.
    void setupPicture(int width, int height);
    // Paints every glyph pixel square from the edit buffer.
    void RedrawEditor();
    // Shows the picture at zoom screen pixels per glyph pixel.
    void setZoom(int zoom);

    void imgEditMouseDown(Qt::MouseButton button, int x, int y);
    void imgEditMouseMove(Qt::MouseButtons buttons, int x, int y);
    // Ends the stroke in progress, if any (the left button was released, or the history is
    // about to go back).
    void endStroke();

    const QImage& picture() const { return m_picture; }
    QSize sizeHint() const override { return m_picture.size(); }

signals:
    // The glyph pixel under the mouse, "row,column" with two digits each.
    void positionChanged(const QString& text);
    // A stroke changed the picture, which was before before it.
    void strokeEnded(const std::vector<std::uint8_t>& before);
    // Shift+arrow asked for the picture to move one pixel.
    void transformRequested(GlyphTransform transform);
    // Ctrl+wheel asked for steps zoom levels more (or fewer, when negative).
    void zoomRequested(int steps);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    PixelPoint pixelAt(int x, int y) const;
    bool hasBuffer() const;
    bool insideGlyph(PixelPoint pixel) const;
    void startStroke(PixelPoint pixel);
    void drawLineTo(PixelPoint pixel);
    QRect squareRect(int column, int row) const;
    void setPicture(QImage picture);

    EditorState& m_editor;
    QImage m_picture;
    // The stroke in progress: the picture before it and the last pixel it reached.
    std::optional<std::vector<std::uint8_t>> m_strokeBefore;
    PixelPoint m_strokeEnd;
    WheelNotches m_wheel;
};

} // namespace tessellon
