#pragma once

#include "document/FontDocument.h"

#include <QAbstractTableModel>

namespace tessellon {

// The glyph rows of a font, 32 glyphs to a row. Model row m is grid row m + 1; the grid's
// header row is the view's horizontal header. The cells carry no data of their own: the
// delegate draws each one from the document. Every change of the document's glyphs becomes
// dataChanged for the cells of the glyphs changed, so that only those are drawn again.
class GlyphGridModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit GlyphGridModel(FontDocument& document, QObject* parent = nullptr);
    ~GlyphGridModel() override;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // Takes the row count from the document's glyph count.
    void SetupGrid();

private:
    void glyphsChanged(const GlyphChange& change);
    void cellsChanged(std::uint32_t first, std::uint32_t count);

    FontDocument& m_document;
    FontDocument::ListenerId m_listener;
    int m_glyphRows = 0;
};

} // namespace tessellon
