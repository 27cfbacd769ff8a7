#include "document/FontFileFormats.h"
#include "editor/MDIChild.h"
#include "editor/WindowCaption.h"
#include "shell/ExportBdfCommand.h"
#include "shell/MainActions.h"
#include "shell/MainForm.h"
#include "shell/Program.h"
#include "support/ProgramUnderTest.h"
#include "support/TestFonts.h"
#include "support/WindowChanges.h"

#include <QAction>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

using namespace tessellon;

class ExportBdfCommandTest : public QObject {
    Q_OBJECT

    test::ProgramUnderTest m_test;

    TMainForm& form() { return m_test.form(); }
    QAction& exportBdf() { return *form().actions().FileExportBdf1; }
    QString path(const QString& name) const { return m_test.dir.filePath(name); }

    void idle()
    {
        QEventLoop loop;
        QTimer::singleShot(20, &loop, &QEventLoop::quit);
        loop.exec();
    }

    FontLib readBdf(const QString& file)
    {
        ReadNotes notes;
        Result<FontLib> read
            = readFontFileAs(bdfFileFormat(), test::localPath(file), FontFileOptions {}, notes);
        return read ? std::move(read).value() : FontLib {};
    }

private slots:
    void init() { QVERIFY(m_test.start()); }

    void cleanup() { QCOMPARE(m_test.stop(), 0); }

    void writesTheActiveFontAndLeavesItAsItWas()
    {
        idle();
        QVERIFY(!exportBdf().isEnabled());
        const FontLib font = test::numberedFont(10, 14, 30);
        QVERIFY(test::writeFont(path("ten.pix"), font));
        TMDIChild* child = form().OpenOrCreate(path("ten.pix"));
        QVERIFY(child);
        idle();
        QVERIFY(exportBdf().isEnabled());

        m_test.dialogs.saveChoices << path("out");
        exportBdf().trigger();
        QCOMPARE(m_test.dialogs.saveFilters.last(), QString("BDF font (*.bdf)|*.bdf"));
        QCOMPARE(m_test.dialogs.saveSuggestions.last(), path("ten.bdf"));
        const FontLib written = readBdf(path("out.bdf"));
        QCOMPARE(written.pixelData, font.pixelData);
        QCOMPARE(written.codeTable, font.codeTable);
        QCOMPARE(shownTitle(*child), path("ten.pix"));
        QVERIFY(!child->history().modified());
        QVERIFY(m_test.dialogs.warned.isEmpty());

        // Cancelled, nothing is written.
        m_test.dialogs.saveChoices << QString();
        exportBdf().trigger();
        QCOMPARE(QDir(m_test.dir.path()).entryList({ "*.bdf" }), QStringList { "out.bdf" });
    }

    void aFailedWriteSaysWhy()
    {
        QVERIFY(test::writeFont(path("a.pix"), test::numberedFont(8, 8, 2)));
        QVERIFY(form().OpenOrCreate(path("a.pix")));
        idle();
        m_test.dialogs.saveChoices << path("missing/folder/a.bdf");
        exportBdf().trigger();
        QCOMPARE(m_test.dialogs.warned.size(), 1);
        QVERIFY2(m_test.dialogs.warned.first().contains(path("missing/folder/a.bdf")),
            qPrintable(m_test.dialogs.warned.first()));
    }

    void namesAreSuggestedBesideTheFontAndEndInBdf()
    {
        QCOMPARE(ExportBdfCommand::suggestedName("/fonts/clean.8x16.pix"),
            QString("/fonts/clean.8x16.bdf"));
        QCOMPARE(ExportBdfCommand::suggestedName("NONAME2"), QString("NONAME2.bdf"));
    }
};

QTEST_MAIN(ExportBdfCommandTest)
#include "ExportBdfCommand_test.moc"
