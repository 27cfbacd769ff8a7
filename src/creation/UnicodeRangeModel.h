#pragma once

#include "creation/UnicodeRangeGrid.h"

#include <QAbstractTableModel>

namespace tessellon {

// The range grid of the new-font dialog as a table: it holds the grid, and its rows are the
// grid's ranges (the grid's header row becomes the table's column headers "From" and "To").
// Every edit goes to the grid, which keeps one spare row at the end; the table adds or
// removes the row the grid did.
class UnicodeRangeModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit UnicodeRangeModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(
        int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    const UnicodeRangeGrid& grid() const { return m_grid; }

private:
    // Table row r is the grid's row r + 1.
    static int gridRow(int tableRow) { return tableRow + 1; }

    UnicodeRangeGrid m_grid;
    int m_shownRows;
};

} // namespace tessellon
