#include "editor/QtUserDialogs.h"
#include "shell/Program.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    tessellon::QtUserDialogs dialogs;
    tessellon::Program program(dialogs);
    return program.run();
}
