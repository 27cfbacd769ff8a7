#include "editor/MDIChild.h"
#include "export/DlgExportLib.h"
#include "export/ExportCommand.h"
#include "shell/MainActions.h"
#include "shell/MainForm.h"
#include "shell/Program.h"
#include "support/EventLoop.h"
#include "support/ProgramUnderTest.h"
#include "support/TestFonts.h"

#include <QAction>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

using namespace tessellon;

class ExportCommandTest : public QObject {
    Q_OBJECT

    test::ProgramUnderTest m_test;

    TMainForm& form() { return m_test.form(); }
    QAction& exportAction() { return *form().actions().FileExport1; }
    TDlgExportLib& dialog() { return m_test.program->DlgExportLib(); }

    TMDIChild* openFont(const QString& name, std::uint32_t glyphs)
    {
        const QString file = m_test.dir.filePath(name);
        if (!test::writeFont(file, test::numberedFont(9, 12, glyphs))) {
            return nullptr;
        }
        m_test.dialogs.openChoices << file;
        form().actions().FileOpen1->trigger();
        return form().activeChild();
    }

    void idle() { test::runUntilIdle(); }

private slots:
    void init() { QVERIFY(m_test.start()); }

    void cleanup() { QCOMPARE(m_test.stop(), 0); }

    void enabledWhileAChildWindowIsActive()
    {
        idle();
        QVERIFY(!exportAction().isEnabled());
        TMDIChild* child = openFont("a.pix", 3);
        QVERIFY(child);
        idle();
        QVERIFY(exportAction().isEnabled());
        child->close();
        idle();
        QVERIFY(!exportAction().isEnabled());
    }

    void cancelledFileDialogShowsNoExportDialog()
    {
        TMDIChild* child = openFont("a.pix", 3);
        QVERIFY(child);
        m_test.dialogs.saveChoices << QString();
        ExportCommand command(form().context());
        QVERIFY(!command.ExportFont(*child));
        QCOMPARE(m_test.dialogs.saveFilters,
            QStringList { "C Source file (*.c)|*.c|Any file(*.*)|*.*" });
        QVERIFY(m_test.dialogs.modalDialogs.isEmpty());
    }

    void exportShowsTheDialogOverTheActiveFont()
    {
        openFont("a.pix", 3);
        TMDIChild* active = openFont("b.pix", 70);
        QVERIFY(active);
        dialog().memOutput().setPlainText("from before");
        m_test.dialogs.saveChoices << m_test.dir.filePath("out");
        idle();
        exportAction().trigger();
        QCOMPARE(m_test.dialogs.modalDialogs, QList<QDialog*> { &dialog() });
        const ExportSource& source = dialog().session().source();
        QCOMPARE(source.outputFileName, test::localPath(m_test.dir.filePath("out")));
        QCOMPARE(source.fontInfo.glyphCount, 70u);
        QCOMPARE(source.pixelData.data(), active->document().fontLib.pixelData.data());
        QVERIFY(dialog().memOutput().toPlainText().isEmpty());
        QVERIFY(!dialog().memExportFormat().toPlainText().isEmpty());
    }

    void outputThatIsTheFontsOwnFileIsRefused()
    {
        TMDIChild* child = openFont("a.pix", 3);
        QVERIFY(child);
        const QByteArray font = test::fileBytes(child->fileName());
        m_test.dialogs.saveChoices << child->fileName();
        ExportCommand command(form().context());
        QVERIFY(command.ExportFont(*child));
        dialog().cmdExport().click();
        QCOMPARE(m_test.dialogs.warned,
            QStringList { "Cannot create file " + child->fileName() + ": it is the same file as "
                + child->fileName() });
        QCOMPARE(test::fileBytes(child->fileName()), font);
        QVERIFY(!dialog().isRunning());
    }
};

QTEST_MAIN(ExportCommandTest)
#include "ExportCommand_test.moc"
