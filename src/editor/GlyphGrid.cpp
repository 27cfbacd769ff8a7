#include "editor/GlyphGrid.h"

#include "document/FontDocument.h"
#include "editor/GlyphCellDelegate.h"
#include "editor/GlyphGridModel.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QWheelEvent>

#include <algorithm>

namespace tessellon {

namespace {

    // Lines between cells take one pixel of each section.
    constexpr int gridLineWidth = 1;

    bool movesTheCursor(int key)
    {
        switch (key) {
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_Home:
        case Qt::Key_End:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
            return true;
        default:
            return false;
        }
    }

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
    const int cellWidth = m_document.glyphWidth() * m_scale;
    const int cellHeight = m_document.glyphHeight() * m_scale;
    useFixedSections(*horizontalHeader(), cellWidth + gridLineWidth);
    useFixedSections(*verticalHeader(), cellHeight + gridLineWidth);
    horizontalHeader()->setFixedHeight(cellHeight + gridLineWidth);
    QFont headerFont = font();
    headerFont.setPixelSize(std::clamp(cellHeight - 3, 6, 12));
    horizontalHeader()->setFont(headerFont);
}

void GlyphGrid::setScale(int scale)
{
    m_scale = scale;
    m_delegate->setScale(scale);
    setupHeader();
    const QModelIndex current = currentIndex();
    if (current.isValid()) {
        scrollTo(current);
    }
    viewport()->update();
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

QModelIndex GlyphGrid::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers)
{
    const QModelIndex moved = QTableView::moveCursor(action, modifiers);
    const std::uint32_t glyphCount = m_document.fontLib().info.glyphCount;
    if (!moved.isValid() || glyphCount == 0
        || glyphIndexAt(moved.column(), moved.row() + 1) < glyphCount) {
        return moved;
    }
    const std::uint32_t last = glyphCount - 1;
    return m_model->index(
        static_cast<int>(last / GlyphsPerRow), static_cast<int>(last % GlyphsPerRow));
}

QItemSelectionModel::SelectionFlags GlyphGrid::selectionCommand(
    const QModelIndex& index, const QEvent* event) const
{
    // Qt's views move without selecting while Ctrl is held; here Shift extends every move,
    // Ctrl+Shift+Home and Ctrl+Shift+End too.
    if (event && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<const QKeyEvent*>(event);
        if (key->modifiers().testFlag(Qt::ShiftModifier) && movesTheCursor(key->key())) {
            return QItemSelectionModel::SelectCurrent;
        }
    }
    return QTableView::selectionCommand(index, event);
}

void GlyphGrid::keyPressEvent(QKeyEvent* event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        emit loadRequested();
        return;
    }
    QTableView::keyPressEvent(event);
}

void GlyphGrid::wheelEvent(QWheelEvent* event)
{
    if (!event->modifiers().testFlag(Qt::ControlModifier)) {
        QTableView::wheelEvent(event);
        return;
    }
    const int steps = m_wheel.turn(event->angleDelta().y());
    if (steps != 0) {
        emit scaleRequested(steps);
    }
    event->accept();
}

} // namespace tessellon
