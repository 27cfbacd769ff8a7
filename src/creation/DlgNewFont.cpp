#include "creation/DlgNewFont.h"

namespace tessellon {

TDlgNewFont::TDlgNewFont(QWidget* parent)
    : QDialog(parent)
{
    setObjectName("DlgNewFont");
    setWindowTitle("Create font");
}

} // namespace tessellon
