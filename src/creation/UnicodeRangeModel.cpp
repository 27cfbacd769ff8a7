#include "creation/UnicodeRangeModel.h"

namespace tessellon {

UnicodeRangeModel::UnicodeRangeModel(QObject* parent)
    : QAbstractTableModel(parent)
    , m_shownRows(m_grid.rowCount() - 1)
{
}

int UnicodeRangeModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_shownRows;
}

int UnicodeRangeModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : UnicodeRangeGrid::columnCount;
}

QVariant UnicodeRangeModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole)) {
        return {};
    }
    return QString::fromStdString(m_grid.cell(index.column(), gridRow(index.row())));
}

bool UnicodeRangeModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || role != Qt::EditRole) {
        return false;
    }
    const auto change
        = m_grid.setCell(index.column(), gridRow(index.row()), value.toString().toStdString());
    emit dataChanged(index, index);
    // The table tells its views about the row the grid added or removed, keeping the
    // former count until it has.
    if (change == UnicodeRangeGrid::RowChange::Added) {
        beginInsertRows(QModelIndex(), m_shownRows, m_shownRows);
        ++m_shownRows;
        endInsertRows();
    } else if (change == UnicodeRangeGrid::RowChange::Removed) {
        beginRemoveRows(QModelIndex(), m_shownRows - 1, m_shownRows - 1);
        --m_shownRows;
        endRemoveRows();
    }
    return true;
}

Qt::ItemFlags UnicodeRangeModel::flags(const QModelIndex& index) const
{
    return QAbstractTableModel::flags(index) | Qt::ItemIsEditable;
}

QVariant UnicodeRangeModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    return QString::fromStdString(m_grid.cell(section, 0));
}

} // namespace tessellon
