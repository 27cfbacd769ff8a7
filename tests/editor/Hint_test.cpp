#include "editor/Hint.h"

#include <QtTest>

using namespace tessellon;

class HintTest : public QObject {
    Q_OBJECT
private slots:
    void hintsSplitAtTheBar()
    {
        QCOMPARE(shortHint("black pen|Select black pen"), QString("black pen"));
        QCOMPARE(longHint("black pen|Select black pen"), QString("Select black pen"));
        QCOMPARE(shortHint("Cascade"), QString("Cascade"));
        QCOMPARE(longHint("Cascade"), QString("Cascade"));
        QCOMPARE(longHint("Open|"), QString());
    }
};

QTEST_MAIN(HintTest)
#include "Hint_test.moc"
