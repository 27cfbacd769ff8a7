#include "export/DlgExportLib.h"
#include "shell/AboutBox.h"
#include "shell/MainForm.h"
#include "shell/Program.h"
#include "shell/ProgramVersion.h"
#include "support/ScriptedDialogs.h"

#include <QLabel>
#include <QPushButton>
#include <QtTest>

using namespace tessellon;

class AboutBoxTest : public QObject {
    Q_OBJECT
private slots:
    void programCarriesItsFileVersion() { QCOMPARE(programFileVersion(), QString("1.4.0.1625")); }

    void versionLabelShowsTheFileVersion()
    {
        TAboutBox box(programFileVersion());
        QCOMPARE(box.labelVersion().text(), QString("Version: 1.4.0.1625"));
        QCOMPARE(box.ProductName().text(), QString("Tessellon"));
        QVERIFY(box.ProductName().font().bold());
    }

    void withoutAVersionTheFormTextStays()
    {
        TAboutBox box(QString {});
        QCOMPARE(box.labelVersion().text(), QString("Version: 2.0  (1990)"));
    }

    void boxIsAFixedDialogWithADefaultOkButton()
    {
        TAboutBox box(QString {});
        QCOMPARE(box.windowTitle(), QString("About"));
        QCOMPARE(box.size(), QSize(363, 224));
        QCOMPARE(box.minimumSize(), box.maximumSize());
        QVERIFY(box.OKButton().isDefault());
        QCOMPARE(box.OKButton().text(), QString("OK"));
    }

    void okEndsTheBoxWithOk()
    {
        TAboutBox box(QString {});
        box.open();
        QVERIFY(box.isVisible());
        box.OKButton().click();
        QVERIFY(!box.isVisible());
        QCOMPARE(box.result(), int(QDialog::Accepted));
    }

    void startUpMakesItsFormsAndShowsNoneOfThem()
    {
        test::ScriptedDialogs dialogs;
        Program program(dialogs);
        QCOMPARE(program.MainForm().windowTitle(), QString("Tessellon"));
        QCOMPARE(program.AboutBox().labelVersion().text(), QString("Version: 1.4.0.1625"));
        QCOMPARE(program.DlgExportLib().windowTitle(), QString("Export font lib"));
        for (QWidget* form : std::initializer_list<QWidget*> {
                 &program.MainForm(), &program.AboutBox(), &program.DlgExportLib() }) {
            QVERIFY(!form->isVisible());
        }
        QVERIFY(program.MainForm().childWindows().isEmpty());
    }

    void aboutCommandShowsTheProgramsAboutBoxModally()
    {
        test::ScriptedDialogs dialogs;
        Program program(dialogs);
        program.MainForm().HelpAbout1Execute();
        QCOMPARE(dialogs.modalDialogs.size(), 1);
        QCOMPARE(dialogs.modalDialogs[0], static_cast<QDialog*>(&program.AboutBox()));
    }
};

QTEST_MAIN(AboutBoxTest)
#include "AboutBox_test.moc"
