#include "editor/GlyphCellDelegate.h"

#include "document/FontDocument.h"
#include "editor/GlyphCellImage.h"
#include "editor/GridGeometry.h"

#include <QPainter>

namespace tessellon {

GlyphCellDelegate::GlyphCellDelegate(const FontDocument& document, QObject* parent)
    : QStyledItemDelegate(parent)
    , m_document(document)
{
}

void GlyphCellDelegate::paint(
    QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const bool selected = option.state.testFlag(QStyle::State_Selected);
    gridFontLibDrawCell(*painter, index.column(), index.row() + 1, option.rect, selected);
}

QSize GlyphCellDelegate::sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const
{
    return { m_document.glyphWidth() * m_scale, m_document.glyphHeight() * m_scale };
}

void GlyphCellDelegate::gridFontLibDrawCell(
    QPainter& painter, int column, int row, const QRect& cell, bool selected) const
{
    if (!m_document.fontReady) {
        return;
    }
    const Rgb background = selected ? yellow : white;
    const auto index = glyphIndexAt(column, row);
    if (row < 1 || index >= m_document.fontLib().info.glyphCount) {
        // Past the last glyph: the grid's own look, in the selection's colour when selected.
        if (selected) {
            painter.fillRect(cell, QColor(background.red, background.green, background.blue));
        }
        return;
    }
    const QSize glyphSize(m_document.glyphWidth(), m_document.glyphHeight());
    if (m_cellImage.size() != glyphSize) {
        m_cellImage = QImage(glyphSize, QImage::Format_RGB32);
    }
    drawGlyphCell(m_document.fontLib(), static_cast<std::uint32_t>(index), m_cellImage, background);
    if (m_scale == 1) {
        painter.drawImage(cell.topLeft(), m_cellImage);
    } else {
        painter.drawImage(QRect(cell.topLeft(), glyphSize * m_scale), m_cellImage);
    }
}

} // namespace tessellon
