#include "editor/FileFilter.h"

#include <QtTest>

using namespace tessellon;

class FileFilterTest : public QObject {
    Q_OBJECT
private slots:
    void patternInDescriptionIsNotRepeated()
    {
        QCOMPARE(qtFileFilter("Font pixel file (*.pix)|*.pix"), QString("Font pixel file (*.pix)"));
    }

    void patternsShownAsQtShowsThemAreNotRepeated()
    {
        QCOMPARE(qtFileFilter("Pictures (*.png *.bmp *.pbm *.gif)|*.png;*.bmp;*.pbm;*.gif"),
            QString("Pictures (*.png *.bmp *.pbm *.gif)"));
    }

    void everyFileMeansEveryFile()
    {
        QCOMPARE(qtFileFilter("Font pixel file (*.pix)|*.pix|All files (*.*)|*.*"),
            QString("Font pixel file (*.pix);;All files (*)"));
    }

    void descriptionWithoutPatternGetsOne()
    {
        QCOMPARE(qtFileFilter("Bitmaps|*.bmp"), QString("Bitmaps (*.bmp)"));
        QCOMPARE(qtFileFilter("C Source file (*.c)|*.c|Any file(*.*)|*.*"),
            QString("C Source file (*.c);;Any file (*)"));
    }
};

QTEST_MAIN(FileFilterTest)
#include "FileFilter_test.moc"
