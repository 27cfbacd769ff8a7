#pragma once

#include <QDialog>

namespace tessellon {

// The export dialog ("Export font lib"); one object for the whole run, shown modally for
// every export.
class TDlgExportLib : public QDialog {
    Q_OBJECT
public:
    explicit TDlgExportLib(QWidget* parent = nullptr);
};

} // namespace tessellon
