#include "editor/GlyphGridModel.h"

#include "editor/GridGeometry.h"

namespace tessellon {

GlyphGridModel::GlyphGridModel(FontDocument& document, QObject* parent)
    : QAbstractTableModel(parent)
    , m_document(document)
    , m_listener(
          document.addGlyphsListener([this](const GlyphChange& change) { glyphsChanged(change); }))
{
}

GlyphGridModel::~GlyphGridModel() { m_document.removeGlyphsListener(m_listener); }

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
    m_glyphRows = gridRowCount(m_document.fontLib().info.glyphCount) - 1;
    endResetModel();
}

void GlyphGridModel::glyphsChanged(const GlyphChange& change)
{
    for (const GlyphRun& run : change.runs) {
        if (run.count > 0) {
            cellsChanged(run.first, run.count);
        }
    }
}

// A run of glyphs covers the end of one row, whole rows and the start of another: one
// rectangle of cells each.
void GlyphGridModel::cellsChanged(std::uint32_t first, std::uint32_t count)
{
    const std::uint32_t last = first + count - 1;
    if (last / GlyphsPerRow >= static_cast<std::uint32_t>(m_glyphRows)) {
        return; // not set up for this font yet; SetupGrid draws everything
    }
    const int firstRow = static_cast<int>(first / GlyphsPerRow);
    const int lastRow = static_cast<int>(last / GlyphsPerRow);
    const int firstColumn = static_cast<int>(first % GlyphsPerRow);
    const int lastColumn = static_cast<int>(last % GlyphsPerRow);
    if (firstRow == lastRow) {
        emit dataChanged(index(firstRow, firstColumn), index(firstRow, lastColumn));
        return;
    }
    emit dataChanged(index(firstRow, firstColumn), index(firstRow, GlyphsPerRow - 1));
    if (lastRow - firstRow > 1) {
        emit dataChanged(index(firstRow + 1, 0), index(lastRow - 1, GlyphsPerRow - 1));
    }
    emit dataChanged(index(lastRow, 0), index(lastRow, lastColumn));
}

} // namespace tessellon
