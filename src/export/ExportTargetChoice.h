#pragma once

#include "export/ExportChoices.h"
#include "export/ExportTarget.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QSpinBox;

namespace tessellon {

// What the export dialog's Export writes: "Script", the editor's script alone, or a display
// library's format chosen by its target's name, with the choices that apply to every
// target: proportional widths and their gap, and the font's C identifier (empty: one made
// from the output file's name). The baseline is the font's own.
class ExportTargetChoice final : public QWidget {
    Q_OBJECT
public:
    static constexpr int largestGap = 255;

    explicit ExportTargetChoice(QWidget* parent = nullptr);

    // The chosen target; null for "Script".
    const ExportTarget* target() const;
    ExportChoices choices() const;

    QComboBox& cmbTarget() { return *m_target; }
    QCheckBox& chkProportional() { return *m_proportional; }
    QSpinBox& spnGap() { return *m_gap; }
    QLineEdit& txtName() { return *m_name; }

signals:
    // Another target, or "Script", has been chosen.
    void targetChanged(const ExportTarget* target);

private:
    void showChoicesFor(const ExportTarget* target);

    QComboBox* m_target = nullptr;
    QCheckBox* m_proportional = nullptr;
    QSpinBox* m_gap = nullptr;
    QLineEdit* m_name = nullptr;
};

} // namespace tessellon
