#pragma once

#include "ScriptedDialogs.h"
#include "shell/MainForm.h"
#include "shell/Program.h"

#include <QSize>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace tessellon::test {

// The whole program for the Qt tests of its commands: a fresh program at every start(), its
// questions answered by ScriptedDialogs, its files kept in a temporary folder.
//   void init() { QVERIFY(m_test.start()); }
//   void cleanup() { QCOMPARE(m_test.stop(), 0); }
struct ProgramUnderTest {
    QTemporaryDir dir;
    ScriptedDialogs dialogs;
    std::unique_ptr<Program> program;

    TMainForm& form() { return program->MainForm(); }

    // Makes the program and shows its main window, at size when one is given; false when
    // the folder or the window could not be made.
    bool start(QSize size = {})
    {
        dialogs = ScriptedDialogs();
        program = std::make_unique<Program>(dialogs);
        if (size.isValid()) {
            form().resize(size);
        }
        form().show();
        return dir.isValid() && QTest::qWaitForWindowExposed(&form());
    }

    // Ends the program and gives the number of questions nobody had answered.
    int stop()
    {
        program.reset();
        return dialogs.unexpected;
    }
};

} // namespace tessellon::test
