#pragma once

#include <QImage>
#include <QWidget>

namespace tessellon {

class FontDocument;

// The magnified pixel editor (imgEdit): the document's edit buffer drawn zoom times larger,
// grey rule lines between the pixels, and a pen that sets pixels under the left button.
class PixelEditor final : public QWidget {
    Q_OBJECT
public:
    explicit PixelEditor(FontDocument& document, QWidget* parent = nullptr);

    // A white picture for a glyph of width x height with the grey rules and no pixels.
    void setupPicture(int width, int height);
    // Paints every glyph pixel square from the edit buffer.
    void RedrawEditor();

    void imgEditMouseDown(Qt::MouseButton button, int x, int y);
    void imgEditMouseMove(Qt::MouseButtons buttons, int x, int y);

    const QImage& picture() const { return m_picture; }
    QSize sizeHint() const override { return m_picture.size(); }

signals:
    // The glyph pixel under the mouse, "row,column" with two digits each.
    void positionChanged(const QString& text);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    bool insideGlyph(int column, int row) const;
    void drawWithPen(int column, int row);
    QRect squareRect(int column, int row) const;
    void paintSquare(int column, int row, bool ink);
    void setPicture(QImage picture);

    FontDocument& m_document;
    QImage m_picture;
};

} // namespace tessellon
