#include "shell/Program.h"

#include "gui/UserDialogs.h"
#include "shell/MainForm.h"
#include "shell/ProgramIcon.h"
#include "shell/StartProbe.h"

#include <QApplication>
#include <QFileInfo>

namespace tessellon {

Program::Program(UserDialogs& dialogs)
    : m_dialogs(dialogs)
    , m_mainForm(std::make_unique<TMainForm>(dialogs))
{
    QApplication::setWindowIcon(programIcon());
}

Program::~Program() = default;

int Program::run(const QStringList& files)
{
    if (qEnvironmentVariableIsSet("TESSELLON_QUIT_WHEN_SHOWN")) {
        quitWhenFirstPainted(*m_mainForm);
    }
    m_mainForm->show();
    openFontFiles(files);
    QApplication::exec();
    return 0;
}

void Program::openFontFiles(const QStringList& files)
{
    for (const QString& file : files) {
        const QFileInfo info(file);
        if (!info.exists()) {
            m_dialogs.warn(m_mainForm.get(), QStringLiteral("Tessellon"),
                "Cannot open file " + file + ": there is no such file");
            continue;
        }
        m_mainForm->OpenOrCreate(info.absoluteFilePath());
    }
}

} // namespace tessellon
