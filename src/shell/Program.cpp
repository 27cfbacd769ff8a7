#include "shell/Program.h"

#include "editor/UserDialogs.h"
#include "export/DlgExportLib.h"
#include "shell/AboutBox.h"
#include "shell/MainForm.h"
#include "shell/ProgramIcon.h"
#include "shell/ProgramVersion.h"
#include "shell/StartProbe.h"

#include <QApplication>
#include <QFileInfo>

namespace tessellon {

Program::Program(UserDialogs& dialogs)
    : m_dialogs(dialogs)
    , m_aboutBox(std::make_unique<TAboutBox>(programFileVersion()))
    , m_dlgExportLib(std::make_unique<TDlgExportLib>(dialogs, TDlgExportLib::programScriptFile()))
    , m_forms { *m_aboutBox, *m_dlgExportLib }
    , m_mainForm(std::make_unique<TMainForm>(m_forms, dialogs))
{
    QApplication::setWindowIcon(programIcon());
}

// The main window goes first, before the dialogs its commands use: the reverse of making.
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
