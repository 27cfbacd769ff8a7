#pragma once

#include "formats/FontFileFormats.h"

#include <QDialog>

class QLineEdit;
class QSpinBox;

namespace tessellon {

// Asks how to read a picture sheet: the glyph size of its cells, and the code of its first
// glyph (hexadecimal; left empty, the font has no codes). Kept between uses, so it offers
// what the user chose last.
class TDlgPictureSheet final : public QDialog {
    Q_OBJECT
public:
    explicit TDlgPictureSheet(QWidget* parent = nullptr);

    // The cell size and first code chosen.
    FontFileOptions options() const;

    QSpinBox& txtCellWidth() { return *m_cellWidth; }
    QSpinBox& txtCellHeight() { return *m_cellHeight; }
    QLineEdit& txtFirstCode() { return *m_firstCode; }

private:
    QSpinBox* m_cellWidth;
    QSpinBox* m_cellHeight;
    QLineEdit* m_firstCode;
};

} // namespace tessellon
