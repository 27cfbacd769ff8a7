#include "editor/QtUserDialogs.h"
#include "shell/ProcessSignals.h"
#include "shell/Program.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    tessellon::ignoreFileSizeSignal();
    QApplication application(argc, argv);
    tessellon::QtUserDialogs dialogs;
    tessellon::Program program(dialogs);
    return program.run();
}
