#pragma once

#include <QAbstractTableModel>

namespace tessellon {

class FontDocument;

// The glyph rows of a font, 32 glyphs to a row. Model row m is grid row m + 1; the grid's
// header row is the view's horizontal header. The cells carry no data of their own: the
// delegate draws each one from the document.
class GlyphGridModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit GlyphGridModel(const FontDocument& document, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // Takes the row count from the document's glyph count.
    void SetupGrid();
    // Every cell is drawn again.
    void glyphsChanged();

private:
    const FontDocument& m_document;
    int m_glyphRows = 0;
};

} // namespace tessellon
