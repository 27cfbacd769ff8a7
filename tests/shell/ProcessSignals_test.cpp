#include "editor/MDIChild.h"
#include "shell/ProcessSignals.h"
#include "support/ScriptedDialogs.h"
#include "support/TestFonts.h"
#include "support/WindowChanges.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/resource.h>

using namespace tessellon;

namespace {

// Lowers the file-size limit of this process for as long as it lives.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_previous);
        rlimit lowered = m_previous;
        lowered.rlim_cur = bytes;
        m_set = setrlimit(RLIMIT_FSIZE, &lowered) == 0;
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &m_previous); }
    bool isSet() const { return m_set; }

private:
    rlimit m_previous {};
    bool m_set = false;
};

} // namespace

class ProcessSignalsTest : public QObject {
    Q_OBJECT
private slots:
    void saveBeyondTheFileSizeLimitIsReportedAndTheSavedFontKept()
    {
        ignoreFileSizeSignal();
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString file = dir.filePath("big.pix");
        QVERIFY(test::writeFont(file, test::numberedFont(16, 16, 1000)));
        const QByteArray saved = test::fileBytes(file);
        QVERIFY(saved.size() > 32000);

        test::ScriptedDialogs dialogs;
        TMDIChild child(dialogs);
        QVERIFY(child.LoadFontLib(file));
        QVERIFY(test::changeFirstGlyph(child));
        {
            FileSizeLimit limit(4096);
            QVERIFY(limit.isSet());
            QVERIFY(!child.SaveFontLib(false));
        }
        QCOMPARE(dialogs.warned.size(), 1);
        QVERIFY(child.history().modified());
        QCOMPARE(test::fileBytes(file), saved);
    }
};

QTEST_MAIN(ProcessSignalsTest)
#include "ProcessSignals_test.moc"
