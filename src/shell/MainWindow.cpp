#include "shell/MainWindow.h"

#include <QMdiArea>

namespace tessellon {

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent)
{
    setWindowTitle("Tessellon");
    setCentralWidget(new QMdiArea(this));
}

} // namespace tessellon
