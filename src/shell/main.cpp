#include "shell/MainWindow.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    tessellon::MainWindow mainWindow;
    mainWindow.show();
    return application.exec();
}
