#include "editor/GlyphGridModel.h"

#include "document/FontDocument.h"
#include "editor/GridGeometry.h"

namespace tessellon {

GlyphGridModel::GlyphGridModel(const FontDocument& document, QObject* parent)
    : QAbstractTableModel(parent)
    , m_document(document)
{
}

int GlyphGridModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_glyphRows;
}

int GlyphGridModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : GlyphsPerRow;
}

QVariant GlyphGridModel::data(const QModelIndex&, int) const { return {}; }

QVariant GlyphGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole) {
        return headerText(section);
    }
    if (orientation == Qt::Horizontal && role == Qt::TextAlignmentRole) {
        return QVariant::fromValue(Qt::AlignCenter);
    }
    return {};
}

Qt::ItemFlags GlyphGridModel::flags(const QModelIndex& index) const
{
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

void GlyphGridModel::SetupGrid()
{
    beginResetModel();
    m_glyphRows = gridRowCount(m_document.fontLib.info.glyphCount) - 1;
    endResetModel();
}

void GlyphGridModel::glyphsChanged()
{
    if (m_glyphRows > 0) {
        emit dataChanged(index(0, 0), index(m_glyphRows - 1, GlyphsPerRow - 1));
    }
}

} // namespace tessellon
