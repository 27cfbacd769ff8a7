#include "shell/DlgPictureSheet.h"

#include "document/FontLib.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QSpinBox>
#include <QVBoxLayout>

namespace tessellon {

namespace {

    constexpr int defaultCellSide = 16;

    QSpinBox* sideBox(const char* name)
    {
        auto* box = new QSpinBox;
        box->setObjectName(name);
        box->setRange(minGlyphSide, maxGlyphSide);
        box->setValue(defaultCellSide);
        return box;
    }

} // namespace

TDlgPictureSheet::TDlgPictureSheet(QWidget* parent)
    : QDialog(parent)
    , m_cellWidth(sideBox("txtCellWidth"))
    , m_cellHeight(sideBox("txtCellHeight"))
    , m_firstCode(new QLineEdit)
{
    setObjectName("DlgPictureSheet");
    setWindowTitle("Import picture sheet");
    m_firstCode->setObjectName("txtFirstCode");
    m_firstCode->setValidator(
        new QRegularExpressionValidator(QRegularExpression("[0-9A-Fa-f]{0,4}"), m_firstCode));
    m_firstCode->setPlaceholderText("no codes");

    auto* size = new QHBoxLayout;
    size->addWidget(m_cellWidth);
    size->addWidget(new QLabel("x"));
    size->addWidget(m_cellHeight);
    size->addStretch();
    auto* form = new QFormLayout;
    form->addRow("Glyph size (width x height):", size);
    form->addRow("Code of the first glyph (hexadecimal):", m_firstCode);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel("The glyphs lie in cells of one size, left to right and top to "
                                 "bottom; only pure black pixels are ink."));
    layout->addLayout(form);
    layout->addWidget(buttons);
}

FontFileOptions TDlgPictureSheet::options() const
{
    FontFileOptions options;
    options.cell = GlyphSize { m_cellWidth->value(), m_cellHeight->value() };
    if (!m_firstCode->text().isEmpty()) {
        options.firstCode = static_cast<std::uint16_t>(m_firstCode->text().toUInt(nullptr, 16));
    }
    return options;
}

} // namespace tessellon
