#pragma once

#include <QImage>
#include <QStyledItemDelegate>

namespace tessellon {

class FontDocument;

// Paints the grid's glyph cells from the document: each glyph at its real size (or 2x to
// 4x), ink black on white, or on yellow when the cell is selected; a selected cell past the last
// glyph is yellow too. The view asks only for the cells it shows, so the cost of a repaint does not
// grow with the size of the font. Painting only reads the document.
class GlyphCellDelegate final : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit GlyphCellDelegate(const FontDocument& document, QObject* parent = nullptr);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
        const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

    void setScale(int scale) { m_scale = scale; }

    // column and row are grid coordinates: row 0 is the header row.
    void gridFontLibDrawCell(
        QPainter& painter, int column, int row, const QRect& cell, bool selected) const;

private:
    const FontDocument& m_document;
    // One glyph's picture, reused from cell to cell.
    mutable QImage m_cellImage;
    int m_scale = 1;
};

} // namespace tessellon
