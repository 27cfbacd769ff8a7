#include "editor/MDIChild.h"
#include "export/DlgExportLib.h"
#include "export/ExportCommand.h"
#include "export/ExportTargetChoice.h"
#include "export/TargetFont.h"
#include "shell/MainActions.h"
#include "shell/MainForm.h"
#include "shell/Program.h"
#include "support/EventLoop.h"
#include "support/ProgramUnderTest.h"
#include "support/TestFonts.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
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

    QStringList messages() { return dialog().memOutput().toPlainText().split('\n'); }

    // Exports the active font through File > Export to output, the file dialog answered and
    // target chosen in the export dialog under name; false when the run did not end.
    bool exportToTarget(const QString& output, const QString& target, const QString& name)
    {
        m_test.dialogs.saveChoices << output;
        dialog().setDataFolder(SHIPPED_DATA_DIR);
        bool ended = true;
        m_test.dialogs.modalAnswer = [&](QDialog&) {
            dialog().targetChoice().cmbTarget().setCurrentText(target);
            dialog().targetChoice().txtName().setText(name);
            QSignalSpy finished(&dialog(), &TDlgExportLib::runFinished);
            dialog().cmdExport().click();
            ended = !dialog().isRunning() || finished.wait(20000);
            return 1;
        };
        idle();
        exportAction().trigger();
        return ended;
    }

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
        QCOMPARE(source.pixelData.data(), active->document().fontLib().pixelData.data());
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

    void targetListExportsEachTarget_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("beside");
        for (const ExportTarget& target : exportTargets()) {
            const QString name = QString::fromUtf8(target.name.data(), target.name.size());
            QTest::newRow(target.name.data())
                << name << QString::fromUtf8(target.headerFile.data(), target.headerFile.size());
        }
    }

    void targetListExportsEachTarget()
    {
        QFETCH(QString, target);
        QFETCH(QString, beside);
        TMDIChild* child = openFont("a.pix", 40);
        QVERIFY(child);
        const QString output = m_test.dir.filePath("out.c");
        QVERIFY(exportToTarget(output, target, "sample_font"));
        const ExportTarget& chosen = *dialog().targetChoice().target();
        QCOMPARE(QString::fromUtf8(chosen.name.data(), chosen.name.size()), target);
        QVERIFY2(
            test::fileBytes(output).contains("sample_font"), qPrintable(messages().join('\n')));
        ExportChoices choices;
        choices.name = "sample_font";
        const Result<TargetFont> font = prepareTargetFont(
            child->document().fontLib(), chosen, choices, test::localPath(output));
        QVERIFY(font);
        QCOMPARE(messages().last(), QString::fromStdString(sizeReportText(exportSize(*font))));
        if (!beside.isEmpty()) {
            QVERIFY(QFile::exists(m_test.dir.filePath(beside)));
            QVERIFY(messages().contains("wrote " + m_test.dir.filePath(beside)));
        }
        QVERIFY(m_test.dialogs.warned.isEmpty());
    }

    void refusedTargetWritesNothing()
    {
        QVERIFY(openFont("a.pix", 3));
        const QString output = m_test.dir.filePath("out.c");
        QVERIFY(test::writeBytes(output, "kept"));
        QVERIFY(exportToTarget(output, "gfx", "int"));
        QCOMPARE(test::fileBytes(output), QByteArray("kept"));
        QCOMPARE(messages().size(), 1);
        QVERIFY2(messages().first().startsWith("gfx: "), qPrintable(messages().first()));
        QVERIFY(messages().first().contains("int"));
        QVERIFY(!dialog().isRunning());
    }
};

QTEST_MAIN(ExportCommandTest)
#include "ExportCommand_test.moc"
