#include "export/DlgExportLib.h"

namespace tessellon {

TDlgExportLib::TDlgExportLib(QWidget* parent)
    : QDialog(parent)
{
    setObjectName("DlgExportLib");
    setWindowTitle("Export font lib");
}

} // namespace tessellon
