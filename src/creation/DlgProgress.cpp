#include "creation/DlgProgress.h"

namespace tessellon {

TdlgProgress::TdlgProgress(QWidget* parent)
    : QDialog(parent)
{
    setObjectName("dlgProgress");
    setWindowTitle("Making pixel font");
}

} // namespace tessellon
