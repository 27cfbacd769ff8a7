#include "export/ExportTargetChoice.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QVBoxLayout>

namespace tessellon {

namespace {

    QString textOf(std::string_view text)
    {
        return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    }

} // namespace

ExportTargetChoice::ExportTargetChoice(QWidget* parent)
    : QWidget(parent)
{
    setObjectName("ExportTargetChoice");
    auto* label = new QLabel("Target");
    m_target = new QComboBox;
    m_target->setObjectName("cmbTarget");
    label->setBuddy(m_target);
    m_target->addItem("Script");
    m_target->setItemData(0, "The script in the editor, as it is", Qt::ToolTipRole);
    for (const ExportTarget& target : exportTargets()) {
        m_target->addItem(textOf(target.name));
        m_target->setItemData(m_target->count() - 1, textOf(target.title), Qt::ToolTipRole);
    }
    // The panel is narrow: each choice's name stands on a line of its own above it.
    m_proportional = new QCheckBox;
    m_proportional->setObjectName("chkProportional");
    m_proportional->setToolTip("Each glyph as wide as its ink plus the gap");
    auto* proportional = new QLabel("Proportional");
    proportional->setBuddy(m_proportional);
    m_gap = new QSpinBox;
    m_gap->setObjectName("spnGap");
    m_gap->setRange(0, largestGap);
    m_gap->setValue(AdvanceRule {}.gap);
    m_gap->setPrefix("gap ");
    m_gap->setToolTip("Pixels after the ink of a proportional glyph");
    auto* name = new QLabel("Name");
    m_name = new QLineEdit;
    m_name->setObjectName("txtName");
    m_name->setToolTip("The font's C identifier; empty: made from the output file's name");
    name->setBuddy(m_name);

    auto* widths = new QHBoxLayout;
    widths->setSpacing(2);
    widths->addWidget(m_proportional);
    widths->addWidget(m_gap, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(label);
    layout->addWidget(m_target);
    layout->addSpacing(4);
    layout->addWidget(proportional);
    layout->addLayout(widths);
    layout->addSpacing(4);
    layout->addWidget(name);
    layout->addWidget(m_name);
    layout->addStretch(1);
    connect(m_target, &QComboBox::currentIndexChanged, this, [this] {
        showChoicesFor(target());
        emit targetChanged(target());
    });
    connect(m_proportional, &QCheckBox::toggled, m_gap, &QWidget::setEnabled);
    showChoicesFor(nullptr);
}

const ExportTarget* ExportTargetChoice::target() const
{
    const int index = m_target->currentIndex() - 1;
    const std::span<const ExportTarget> targets = exportTargets();
    return index >= 0 && index < static_cast<int>(targets.size()) ? &targets[index] : nullptr;
}

ExportChoices ExportTargetChoice::choices() const
{
    ExportChoices choices;
    choices.advance.proportional = m_proportional->isChecked();
    choices.advance.gap = m_gap->value();
    choices.name = m_name->text().trimmed().toStdString();
    return choices;
}

void ExportTargetChoice::showChoicesFor(const ExportTarget* target)
{
    const bool chosen = target != nullptr;
    m_proportional->setEnabled(chosen);
    m_gap->setEnabled(chosen && m_proportional->isChecked());
    m_name->setEnabled(chosen);
}

} // namespace tessellon
