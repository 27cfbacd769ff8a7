#pragma once

#include <QDialog>

namespace tessellon {

// The new-font dialog ("Create font"): one object for the whole run, shown modally for
// every new font and hidden, not destroyed, when it closes.
class TDlgNewFont : public QDialog {
    Q_OBJECT
public:
    explicit TDlgNewFont(QWidget* parent = nullptr);
};

} // namespace tessellon
