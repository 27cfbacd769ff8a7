#include "support/TestFonts.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

using namespace tessellon;

// The commands that write, interrupted half-way through (Ctrl-C, kill, a closed terminal):
// each ends by the signal, as it would without cleaning up, and leaves no temporary file
// and nothing half-written.
class InterruptWatchTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_folder;

    QString path(const QString& name) const { return m_folder.filePath(name); }

    QStringList filesBeginningWith(const QString& name) const
    {
        return QDir(m_folder.path()).entryList({ name + "*" }, QDir::Files | QDir::Hidden);
    }

    // Starts tessellon-cli with the interruption signals at their default action (a test run
    // in the background may have them ignored).
    static void start(QProcess& process, const QStringList& arguments)
    {
        process.setChildProcessModifier([] {
            for (int signal : { SIGINT, SIGTERM, SIGHUP }) {
                ::signal(signal, SIG_DFL);
            }
        });
        process.start(TESSELLON_CLI, arguments);
    }

    // Waits until the named files exist, then sends the signal at once.
    bool interruptOnceThere(QProcess& process, const QString& name, int signal)
    {
        for (int waited = 0; filesBeginningWith(name).isEmpty(); waited += 2) {
            if (waited > 60000 || process.state() == QProcess::NotRunning) {
                return false;
            }
            QTest::qSleep(2);
        }
        return ::kill(static_cast<pid_t>(process.processId()), signal) == 0;
    }

    static bool endedBy(QProcess& process, int signal)
    {
        return process.waitForFinished(60000) && process.exitStatus() == QProcess::CrashExit
            && process.exitCode() == signal;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_folder.isValid());
        // 16384 empty glyphs of 256 x 256 make a 128 MB font and a BDF file of 270 MB, whose
        // writing lasts seconds.
        QFile bdf(path("empty.bdf"));
        QVERIFY(bdf.open(QIODevice::WriteOnly));
        bdf.write("STARTFONT 2.1\nFONTBOUNDINGBOX 256 256 0 0\nCHARS 16384\n");
        for (int code = 0; code < 16384; ++code) {
            bdf.write(QString("STARTCHAR g\nENCODING %1\nBBX 0 0 0 0\nBITMAP\nENDCHAR\n")
                          .arg(code)
                          .toLatin1());
        }
        bdf.write("ENDFONT\n");
    }

    void convertLeavesTheOldFileAndNoTemporary_data()
    {
        QTest::addColumn<int>("signal");
        QTest::newRow("SIGINT") << int { SIGINT };
        QTest::newRow("SIGTERM") << int { SIGTERM };
        QTest::newRow("SIGHUP") << int { SIGHUP };
    }

    void convertLeavesTheOldFileAndNoTemporary()
    {
        QFETCH(int, signal);
        QVERIFY(test::writeBytes(path("out.bdf"), "old"));
        QProcess process;
        start(process, { "convert", path("empty.bdf"), path("out.bdf") });
        QVERIFY(interruptOnceThere(process, "out.bdf.tmp-", signal));
        QVERIFY(endedBy(process, signal));
        QCOMPARE(filesBeginningWith("out.bdf"), QStringList { "out.bdf" });
        QCOMPARE(test::fileBytes(path("out.bdf")), QByteArray("old"));
        QVERIFY2(process.readAllStandardError().contains("out.bdf: interrupted"), "says so");
    }

    // With a script of the user's own, and with one run in a target's place.
    void exportRemovesItsHalfWrittenOutput_data()
    {
        QTest::addColumn<QStringList>("target");
        QTest::newRow("script") << QStringList {};
        QTest::newRow("target") << QStringList { "--target", "gfx" };
    }

    void exportRemovesItsHalfWrittenOutput()
    {
        QFETCH(QStringList, target);
        QVERIFY(test::writeFont(path("font.pix"), test::numberedFont(8, 8, 3)));
        QVERIFY(test::writeBytes(path("endless.spt"), "int i;\nfor(i=0;0<1;i++) WRITE(\"x\");"));
        QProcess process;
        start(process,
            QStringList {
                "export", path("font.pix"), "-s", path("endless.spt"), "-o", path("out.c") }
                + target);
        QVERIFY(interruptOnceThere(process, "out.c", SIGINT));
        QVERIFY(endedBy(process, SIGINT));
        QCOMPARE(filesBeginningWith("out.c"), QStringList());
    }
};

QTEST_MAIN(InterruptWatchTest)
#include "InterruptWatch_test.moc"
