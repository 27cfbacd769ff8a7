#include "gui/QtUserDialogs.h"
#include "shell/ProcessSignals.h"
#include "shell/Program.h"
#include "shell/ProgramArguments.h"
#include "shell/ProgramVersion.h"

#include <QApplication>
#include <QFile>

#include <cstdio>
#include <string>
#include <vector>

namespace {

std::vector<std::string> argumentsAfterTheName(const QStringList& arguments)
{
    std::vector<std::string> result;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        result.push_back(QFile::encodeName(arguments[i]).toStdString());
    }
    return result;
}

// Help and version are printed without a window, so they work where no display is.
int printInformation(tessellon::ProgramRequest request)
{
    const std::string text = request == tessellon::ProgramRequest::Help
        ? tessellon::programHelpText()
        : tessellon::programVersionText(tessellon::programFileVersion().toStdString());
    std::fputs(text.c_str(), stdout);
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    using tessellon::ProgramRequest;
    // Before the toolkit takes its own options out: asking for help needs no display.
    const auto early = tessellon::parseProgramArguments({ argv + 1, argv + argc });
    if (early && early->request != ProgramRequest::Edit) {
        return printInformation(early->request);
    }
    tessellon::ignoreFileSizeSignal();
    QApplication application(argc, argv);
    const auto parsed
        = tessellon::parseProgramArguments(argumentsAfterTheName(QCoreApplication::arguments()));
    if (!parsed) {
        std::fprintf(stderr, "tessellon: %s\nTry 'tessellon --help'.\n", parsed.message().c_str());
        return 2;
    }
    if (parsed->request != ProgramRequest::Edit) {
        return printInformation(parsed->request);
    }
    QStringList files;
    for (const std::string& file : parsed->files) {
        files << QFile::decodeName(file.c_str());
    }
    tessellon::QtUserDialogs dialogs;
    tessellon::Program program(dialogs);
    return program.run(files);
}
