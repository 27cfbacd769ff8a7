#include "editor/DlgBaseline.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

namespace tessellon {

DlgBaseline::DlgBaseline(int rows, int glyphHeight, QWidget* parent)
    : QDialog(parent)
{
    setObjectName("DlgBaseline");
    setWindowTitle("Baseline");
    m_label
        = new QLabel(QString("Rows of the cell above the baseline (0 to %1):").arg(glyphHeight));
    m_rows = new QSpinBox;
    m_rows->setObjectName("spnBaseline");
    m_rows->setRange(0, glyphHeight);
    m_rows->setValue(std::clamp(rows, 0, glyphHeight));
    m_label->setBuddy(m_rows);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_label);
    layout->addWidget(m_rows);
    layout->addWidget(buttons);
}

int DlgBaseline::rows() const { return m_rows->value(); }

} // namespace tessellon
