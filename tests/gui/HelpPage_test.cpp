#include "gui/HelpPage.h"
#include "support/ScriptedDialogs.h"
#include "support/TestFonts.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace tessellon;

class HelpPageTest : public QObject {
    Q_OBJECT

private slots:
    void opensThePageBesideTheProgram()
    {
        QTemporaryDir program;
        QVERIFY(QDir(program.path()).mkpath("doc"));
        QFile page(program.filePath("doc/help.html"));
        QVERIFY(page.open(QIODevice::WriteOnly));
        page.close();
        test::ScriptedDialogs dialogs;
        openHelpPage(dialogs, nullptr, program.path());
        QCOMPARE(dialogs.openedDocuments,
            QStringList { QDir::toNativeSeparators(program.filePath("doc/help.html")) });
        QVERIFY(dialogs.warned.isEmpty());
    }

    void pageNoProgramCanShowIsReportedWithItsPath()
    {
        QTemporaryDir program;
        QVERIFY(QDir(program.path()).mkpath("doc"));
        QVERIFY(test::writeBytes(program.filePath("doc/help.html"), "<html></html>"));
        test::ScriptedDialogs dialogs;
        dialogs.documentsOpen = false;
        openHelpPage(dialogs, nullptr, program.path());
        QCOMPARE(dialogs.warned,
            QStringList { "Cannot open file "
                + QDir::toNativeSeparators(program.filePath("doc/help.html"))
                + ": no program could be started to show it; open it in a web browser" });
    }

    void missingPageIsReported_data()
    {
        QTest::addColumn<bool>("folderInItsPlace");
        QTest::newRow("no file") << false;
        QTest::newRow("a folder") << true;
    }

    void missingPageIsReported()
    {
        QFETCH(bool, folderInItsPlace);
        QTemporaryDir program;
        if (folderInItsPlace) {
            QVERIFY(QDir(program.path()).mkpath("doc/help.html"));
        }
        test::ScriptedDialogs dialogs;
        openHelpPage(dialogs, nullptr, program.path());
        QVERIFY(dialogs.openedDocuments.isEmpty());
        QCOMPARE(dialogs.warned,
            QStringList { "Cannot open file "
                + QDir::toNativeSeparators(program.filePath("doc/help.html"))
                + ": the help page is missing" });
    }
};

QTEST_MAIN(HelpPageTest)
#include "HelpPage_test.moc"
