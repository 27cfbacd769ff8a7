#pragma once

#include <QDialog>

class QLabel;
class QSpinBox;

namespace tessellon {

// Asks how many rows of the cell lie above the font's baseline, from 0 to the cell's height.
class DlgBaseline final : public QDialog {
    Q_OBJECT
public:
    DlgBaseline(int rows, int glyphHeight, QWidget* parent = nullptr);

    int rows() const;
    QSpinBox& spnRows() { return *m_rows; }

private:
    QLabel* m_label = nullptr;
    QSpinBox* m_rows = nullptr;
};

} // namespace tessellon
