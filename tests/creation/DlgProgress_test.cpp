#include "creation/DlgProgress.h"
#include "creation/ThreadCreateFont.h"
#include "document/FontLib.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

using namespace tessellon;

namespace {

QByteArray utf16Codes(std::uint16_t from, int count)
{
    QByteArray bytes("\xFF\xFE", 2);
    for (int i = 0; i < count; ++i) {
        const auto code = static_cast<std::uint16_t>(from + i);
        bytes.append(static_cast<char>(code & 0xFF));
        bytes.append(static_cast<char>(code >> 8));
    }
    return bytes;
}

// A worker that will draw the character set of a file into a font of its own, as the
// child window starts it.
struct Making {
    FontLib font;
    QPointer<ThreadCreateFont> worker = new ThreadCreateFont;
    std::shared_ptr<CreateFontRun> run = worker->runState();

    explicit Making(const QString& charSetFile)
    {
        GlyphDrawingParams params;
        params.font = QFont("Liberation Mono");
        params.font.setPixelSize(16);
        worker->setReleaseOnEnd(true);
        auto setUp = setUpNewFont(params, QFile::encodeName(charSetFile).toStdString());
        if (setUp) {
            font = std::move(setUp->font);
            worker->setDrawing(std::move(setUp->drawing));
        }
    }
    ~Making() { run->stopAndWait(); }
};

} // namespace

class DlgProgressTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_folder;

    QString charSetFile(const QString& name, const QByteArray& bytes)
    {
        const QString path = m_folder.filePath(name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
            qFatal("cannot write a character set");
        }
        return path;
    }

    // A dialog that stays open past the time limit is closed, so that a failing test ends.
    static void closeAfter(TdlgProgress& dialog, int milliseconds)
    {
        QTimer::singleShot(milliseconds, &dialog, [&dialog] { dialog.done(-1); });
    }

private slots:
    void showsItsTextsAndABarFromZeroToHundred()
    {
        TdlgProgress dialog;
        QCOMPARE(dialog.windowTitle(), QString("Making pixel font"));
        QCOMPARE(dialog.size(), QSize(309, 153));
        QCOMPARE(dialog.Label1().text(), QString("Please wait ..."));
        QCOMPARE(dialog.CancelBtn().text(), QString("Cancel"));
        QCOMPARE(dialog.ProgressBar1().minimum(), 0);
        QCOMPARE(dialog.ProgressBar1().maximum(), 100);
        QCOMPARE(dialog.ProgressBar1().value(), 0);
    }

    void closesWhenTheWorkerHasDrawnEveryGlyph()
    {
        TdlgProgress dialog;
        Making making(charSetFile("62.txt", utf16Codes(0x30, 62)));
        QList<int> shown;
        connect(&dialog.ProgressBar1(), &QProgressBar::valueChanged, this,
            [&shown](int value) { shown << value; });
        dialog.follow(*making.worker);
        making.worker->start();
        closeAfter(dialog, 10000);
        QCOMPARE(dialog.exec(), int(QDialog::Accepted));
        QVERIFY(dialog.workerFinished());
        QCOMPARE(dialog.ProgressBar1().value(), 100);
        QCOMPARE(shown.first(), (2 + 2) * 100 / 126);
        QCOMPARE((*making.font.codeTable)[61], std::uint16_t { 0x30 + 61 });
    }

    void closesWhenTheWorkerFinishedBeforeItWasShown()
    {
        TdlgProgress dialog;
        Making making(charSetFile("empty.txt", QByteArray("\xFF\xFE", 2)));
        dialog.follow(*making.worker);
        QSignalSpy ended(making.worker.data(), &ThreadCreateFont::closeProgressRequested);
        making.worker->start();
        QVERIFY(ended.wait(10000));
        closeAfter(dialog, 10000);
        QElapsedTimer timer;
        timer.start();
        QCOMPARE(dialog.exec(), int(QDialog::Accepted));
        QVERIFY(timer.elapsed() < 5000);
        QVERIFY(!dialog.isVisible());
    }

    void closesWhenTheWorkerFinishesWhileTheDialogIsBeingShown()
    {
        TdlgProgress dialog;
        Making making(charSetFile("one.txt", "A"));
        dialog.follow(*making.worker);
        making.worker->start();
        making.run->stopAndWait();
        // The worker's end reaches the dialog from its showing, before its modal loop runs.
        struct EndOnShow : QObject {
            QPointer<ThreadCreateFont> worker;
            bool eventFilter(QObject*, QEvent* event) override
            {
                if (event->type() == QEvent::Show && worker) {
                    QCoreApplication::sendPostedEvents(worker);
                }
                return false;
            }
        } endOnShow;
        endOnShow.worker = making.worker;
        dialog.installEventFilter(&endOnShow);
        closeAfter(dialog, 10000);
        QCOMPARE(dialog.exec(), int(QDialog::Accepted));
    }

    void cancelClosesTheDialogWhileTheWorkerRuns()
    {
        TdlgProgress dialog;
        Making making(charSetFile("many.txt", utf16Codes(0x4E00, 20000)));
        dialog.follow(*making.worker);
        making.worker->start();
        QTimer::singleShot(0, &dialog.CancelBtn(), &QPushButton::click);
        closeAfter(dialog, 10000);
        QCOMPARE(dialog.exec(), int(QDialog::Rejected));
        QVERIFY(!dialog.workerFinished());
        making.run->stopAndWait();
        QVERIFY((*making.font.codeTable)[19999] == 0);
    }

    void theNextRunStartsFromZeroAndIsNotClosedByTheLastOne()
    {
        TdlgProgress dialog;
        {
            Making first(charSetFile("first.txt", utf16Codes(0x41, 3)));
            dialog.follow(*first.worker);
            first.worker->start();
            QTimer::singleShot(0, &dialog.CancelBtn(), &QPushButton::click);
            dialog.exec();
        }
        // The first worker's end is still on its way when the second run begins.
        Making second(charSetFile("second.txt", utf16Codes(0x4E00, 2000)));
        dialog.follow(*second.worker);
        QCOMPARE(dialog.ProgressBar1().value(), 0);
        second.worker->start();
        closeAfter(dialog, 20000);
        QCOMPARE(dialog.exec(), int(QDialog::Accepted));
        second.run->stopAndWait();
        QCOMPARE((*second.font.codeTable)[1999], std::uint16_t { 0x4E00 + 1999 });
    }
};

QTEST_MAIN(DlgProgressTest)
#include "DlgProgress_test.moc"
