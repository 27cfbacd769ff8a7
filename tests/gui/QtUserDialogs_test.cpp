#include "gui/QtUserDialogs.h"
#include "support/TestFonts.h"

#include <QDialog>
#include <QFile>
#include <QLineEdit>
#include <QMainWindow>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

using namespace tessellon;

class QtUserDialogsTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

    // A stand-in for xdg-open: writes the path it was given beside itself and ends with
    // status.
    QString opener(int status)
    {
        const QString script = m_dir.filePath("open-" + QString::number(status));
        const QByteArray text = "#!/bin/sh\nprintf %s \"$1\" > \"$0.given\"\nexit "
            + QByteArray::number(status) + "\n";
        if (!test::writeBytes(script, text)
            || !QFile::setPermissions(script, QFile::ReadOwner | QFile::ExeOwner)) {
            qFatal("cannot write the stand-in opener");
        }
        return script;
    }

private slots:
    void theOpenersStatusTellsWhetherTheDocumentOpened_data()
    {
        QTest::addColumn<int>("status");
        QTest::newRow("opened") << 0;
        QTest::newRow("no program for it") << 3;
        QTest::newRow("its program failed") << 4;
    }

    void theOpenersStatusTellsWhetherTheDocumentOpened()
    {
        QFETCH(int, status);
        const QString script = opener(status);
        QtUserDialogs dialogs(script);
        QList<bool> outcomes;
        dialogs.openDocument(
            "/a path/with spaces.html", [&outcomes](bool opened) { outcomes << opened; });
        QTRY_COMPARE(outcomes.size(), 1);
        QCOMPARE(outcomes[0], status == 0);
        QCOMPARE(test::fileBytes(script + ".given"), QByteArray("/a path/with spaces.html"));
    }

    // With no window manager nothing hands the activation back after a modal dialog; the
    // keys would reach no window.
    void theWindowActiveBeforeADialogIsActiveAfterIt()
    {
        QMainWindow window;
        auto* field = new QLineEdit;
        window.setCentralWidget(field);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        field->setFocus();
        QDialog dialog(&window);
        QTimer::singleShot(0, &dialog, [&dialog] {
            QVERIFY(QTest::qWaitForWindowActive(&dialog));
            dialog.accept();
        });
        QtUserDialogs dialogs;
        QCOMPARE(dialogs.runModal(dialog), int(QDialog::Accepted));
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QTRY_COMPARE(QApplication::focusWidget(), field);
    }
};

QTEST_MAIN(QtUserDialogsTest)
#include "QtUserDialogs_test.moc"
