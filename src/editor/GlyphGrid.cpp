#include "editor/GlyphGrid.h"

#include "document/FontDocument.h"
#include "editor/GlyphCellDelegate.h"
#include "editor/GlyphGridModel.h"

#include <QHeaderView>

#include <algorithm>

namespace tessellon {

namespace {

    // Lines between cells take one pixel of each section.
    constexpr int gridLineWidth = 1;

    void useFixedSections(QHeaderView& header, int size)
    {
        header.setMinimumSectionSize(1);
        header.setSectionResizeMode(QHeaderView::Fixed);
        header.setDefaultSectionSize(size);
    }

} // namespace

GlyphGrid::GlyphGrid(FontDocument& document, QWidget* parent)
    : QTableView(parent)
    , m_document(document)
    , m_model(new GlyphGridModel(document, this))
    , m_delegate(new GlyphCellDelegate(document, this))
{
    setObjectName("gridFontLib");
    setModel(m_model);
    setItemDelegate(m_delegate);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setShowGrid(true);
    setCornerButtonEnabled(false);
    verticalHeader()->hide();
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setHighlightSections(false);
    setupHeader();
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
        &GlyphGrid::selectedCellsChanged);
}

void GlyphGrid::setupHeader()
{
    useFixedSections(*horizontalHeader(), m_document.glyphWidth() + gridLineWidth);
    useFixedSections(*verticalHeader(), m_document.glyphHeight() + gridLineWidth);
    horizontalHeader()->setFixedHeight(m_document.glyphHeight() + gridLineWidth);
    QFont headerFont = font();
    headerFont.setPixelSize(std::clamp(m_document.glyphHeight() - 3, 6, 12));
    horizontalHeader()->setFont(headerFont);
}

void GlyphGrid::SetupGrid()
{
    m_model->SetupGrid();
    setupHeader();
    if (m_model->rowCount() > 0) {
        selectCells({ 0, 1, 0, 1 });
    }
}

void GlyphGrid::repaintGlyphs() { viewport()->update(); }

void GlyphGrid::dataChanged(
    const QModelIndex& topLeft, const QModelIndex& bottomRight, const QList<int>&)
{
    // The cells hold no editors or data of their own: drawing them again is all there is.
    viewport()->update(visualRect(topLeft).united(visualRect(bottomRight)));
}

GridRect GlyphGrid::selectedCells() const
{
    const QItemSelection selection = selectionModel()->selection();
    if (selection.isEmpty()) {
        return {};
    }
    GridRect cells { GlyphsPerRow, m_model->rowCount() + 1, -1, -1 };
    for (const QItemSelectionRange& range : selection) {
        cells.Left = std::min(cells.Left, range.left());
        cells.Right = std::max(cells.Right, range.right());
        cells.Top = std::min(cells.Top, range.top() + 1);
        cells.Bottom = std::max(cells.Bottom, range.bottom() + 1);
    }
    return cells;
}

void GlyphGrid::selectCells(const GridRect& cells)
{
    const int lastRow = m_model->rowCount() - 1;
    if (lastRow < 0) {
        selectionModel()->clearSelection();
        return;
    }
    const int top = std::clamp(cells.Top - 1, 0, lastRow);
    const int bottom = std::clamp(cells.Bottom - 1, top, lastRow);
    const int left = std::clamp(cells.Left, 0, GlyphsPerRow - 1);
    const int right = std::clamp(cells.Right, left, GlyphsPerRow - 1);
    const QModelIndex topLeft = m_model->index(top, left);
    selectionModel()->setCurrentIndex(topLeft, QItemSelectionModel::NoUpdate);
    selectionModel()->select(QItemSelection(topLeft, m_model->index(bottom, right)),
        QItemSelectionModel::ClearAndSelect);
}

QRect GlyphGrid::cellRect(int column, int row) const
{
    return visualRect(m_model->index(row - 1, column));
}

} // namespace tessellon
