#pragma once

#include "editor/GridGeometry.h"
#include "editor/WheelNotches.h"

#include <QTableView>

namespace tessellon {

class FontDocument;
class GlyphCellDelegate;
class GlyphGridModel;

// The grid of a child window (gridFontLib): 32 columns of glyph-sized cells below a fixed
// header row of hexadecimal digits, lines between cells, a rectangle of cells selectable.
// The keyboard moves the selection (arrows, Page Up/Down, Home/End; Shift extends it) over
// the glyphs; Enter asks for the selected glyph in the pixel editor. Glyphs are shown at 1x
// to 4x their size.
class GlyphGrid final : public QTableView {
    Q_OBJECT
public:
    explicit GlyphGrid(FontDocument& document, QWidget* parent = nullptr);

    // Sizes rows and columns to the glyph and the row count to the glyph count, and
    // selects the first glyph.
    void SetupGrid();
    // Draws every cell again, for a font put in place as a whole. Changes of single glyphs
    // reach the grid through the document and redraw only their cells.
    void repaintGlyphs();

    // The selected rectangle in grid rows (row 0 is the header row); Top is 0 when
    // nothing is selected.
    GridRect selectedCells() const;
    void selectCells(const GridRect& cells);
    // Where grid cell (column, row >= 1) is shown, in viewport coordinates.
    QRect cellRect(int column, int row) const;

    GlyphGridModel& gridModel() { return *m_model; }

    // Screen pixels per glyph pixel.
    int scale() const { return m_scale; }
    void setScale(int scale);

signals:
    void selectedCellsChanged();
    // Enter was pressed: the selected glyph should go into the pixel editor.
    void loadRequested();
    // Ctrl+wheel asked for steps scales more (or fewer, when negative).
    void scaleRequested(int steps);

protected:
    // Repaints the rectangle of cells that changed; Qt's own handling repaints the whole
    // viewport for anything larger than one cell.
    void dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
        const QList<int>& roles = QList<int>()) override;
    // Keyboard moves stop at the last glyph instead of the empty cells after it.
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    QItemSelectionModel::SelectionFlags selectionCommand(
        const QModelIndex& index, const QEvent* event) const override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void setupHeader();

    FontDocument& m_document;
    GlyphGridModel* m_model;
    GlyphCellDelegate* m_delegate;
    int m_scale = 1;
    WheelNotches m_wheel;
};

} // namespace tessellon
