#include "editor/PixelEditor.h"
#include "document/FontDocument.h"
#include "support/TestFonts.h"

#include <QSignalSpy>
#include <QtTest>

using namespace tessellon;

namespace {

const QColor grey(128, 128, 128);
const QColor inkColour(0, 0, 0);
const QColor whiteColour(255, 255, 255);

struct Editor {
    FontDocument document;
    PixelEditor editor { document };

    Editor(int width, int height)
    {
        document.fontLib = FontLib::blank(width, height, 4, true);
        document.editBuffer.assign(static_cast<std::size_t>(width) * height, 0);
        editor.setupPicture(width, height);
    }

    std::uint8_t pixel(int x, int y) const
    {
        return document.editBuffer[y * document.glyphWidth() + x];
    }

    QColor screen(int x, int y) const { return editor.picture().pixelColor(x, y); }

    int inkCount() const
    {
        int count = 0;
        for (auto value : document.editBuffer) {
            count += value;
        }
        return count;
    }
};

void sendMove(QWidget& widget, QPoint at, Qt::MouseButtons held)
{
    QMouseEvent move(QEvent::MouseMove, at, widget.mapToGlobal(at), Qt::NoButton, held, {});
    QApplication::sendEvent(&widget, &move);
}

} // namespace

class PixelEditorTest : public QObject {
    Q_OBJECT
private slots:
    void pictureIsTenTimesTheGlyph()
    {
        Editor e(12, 16);
        QCOMPARE(e.editor.picture().size(), QSize(120, 160));
        QCOMPARE(e.editor.size(), QSize(120, 160));
    }

    void rulesRunAtEveryMultipleOfTheZoomButNotOnTheFarEdges()
    {
        Editor e(12, 16);
        for (int x = 0; x < 120; x += 10) {
            QCOMPARE(e.screen(x, 5), grey);
            QCOMPARE(e.screen(x, 159), grey);
        }
        for (int y = 0; y < 160; y += 10) {
            QCOMPARE(e.screen(5, y), grey);
            QCOMPARE(e.screen(119, y), grey);
        }
        QCOMPARE(e.screen(119, 5), whiteColour);
        QCOMPARE(e.screen(5, 159), whiteColour);
        QCOMPARE(e.screen(115, 155), whiteColour);
    }

    void redrawPaintsEightByEightSquares()
    {
        Editor e(12, 16);
        e.document.editBuffer[2 * 12 + 1] = 1;
        e.editor.RedrawEditor();
        // Pixel (1, 2) covers columns 11..18 and rows 21..28.
        QCOMPARE(e.screen(11, 21), inkColour);
        QCOMPARE(e.screen(18, 28), inkColour);
        QCOMPARE(e.screen(19, 25), whiteColour);
        QCOMPARE(e.screen(15, 29), whiteColour);
        QCOMPARE(e.screen(10, 25), grey);
        QCOMPARE(e.screen(15, 20), grey);
        QCOMPARE(e.screen(25, 25), whiteColour);
    }

    void redrawClearsPixelsThatWereRemoved()
    {
        Editor e(8, 8);
        e.document.editBuffer[0] = 1;
        e.editor.RedrawEditor();
        e.document.editBuffer[0] = 0;
        e.editor.RedrawEditor();
        QCOMPARE(e.screen(5, 5), whiteColour);
    }

    void leftPressDrawsWithTheBlackPen()
    {
        Editor e(12, 16);
        QTest::mousePress(&e.editor, Qt::LeftButton, {}, QPoint(25, 37));
        QCOMPARE(e.pixel(2, 3), std::uint8_t(1));
        QCOMPARE(e.inkCount(), 1);
        QCOMPARE(e.screen(25, 37), inkColour);
        QTest::mouseRelease(&e.editor, Qt::LeftButton, {}, QPoint(25, 37));
    }

    void whitePenClears()
    {
        Editor e(12, 16);
        e.document.editBuffer.assign(e.document.editBuffer.size(), 1);
        e.document.penColor = white;
        QTest::mousePress(&e.editor, Qt::LeftButton, {}, QPoint(25, 37));
        QCOMPARE(e.pixel(2, 3), std::uint8_t(0));
        QCOMPARE(e.inkCount(), 12 * 16 - 1);
        QCOMPARE(e.screen(25, 37), whiteColour);
        QTest::mouseRelease(&e.editor, Qt::LeftButton, {}, QPoint(25, 37));
    }

    void rightPressChangesNothing()
    {
        Editor e(12, 16);
        QTest::mousePress(&e.editor, Qt::RightButton, {}, QPoint(25, 37));
        QCOMPARE(e.inkCount(), 0);
        QCOMPARE(e.screen(25, 37), whiteColour);
        QTest::mouseRelease(&e.editor, Qt::RightButton, {}, QPoint(25, 37));
        e.editor.imgEditMouseDown(Qt::MiddleButton, 25, 37);
        QCOMPARE(e.inkCount(), 0);
    }

    void dragWithTheLeftButtonDrawsALine()
    {
        Editor e(12, 16);
        QSignalSpy positions(&e.editor, &PixelEditor::positionChanged);
        QTest::mousePress(&e.editor, Qt::LeftButton, {}, QPoint(5, 5));
        for (int x = 15; x < 60; x += 10) {
            sendMove(e.editor, QPoint(x, 5), Qt::LeftButton);
        }
        for (int x = 0; x < 6; ++x) {
            QCOMPARE(e.pixel(x, 0), std::uint8_t(1));
        }
        QCOMPARE(e.inkCount(), 6);
        QCOMPARE(positions.size(), 5);
        QCOMPARE(positions.last().at(0).toString(), QString("00,05"));
    }

    void moveWithTheRightButtonOnlyShowsThePosition()
    {
        Editor e(12, 16);
        QSignalSpy positions(&e.editor, &PixelEditor::positionChanged);
        sendMove(e.editor, QPoint(115, 35), Qt::RightButton);
        QCOMPARE(e.inkCount(), 0);
        QCOMPARE(positions.size(), 1);
        // Pixel row 3, column 11: row first.
        QCOMPARE(positions.last().at(0).toString(), QString("03,11"));
    }

    void moveWithoutButtonsOnlyShowsThePosition()
    {
        Editor e(12, 16);
        QSignalSpy positions(&e.editor, &PixelEditor::positionChanged);
        sendMove(e.editor, QPoint(45, 152), Qt::NoButton);
        QCOMPARE(e.inkCount(), 0);
        QCOMPARE(positions.size(), 1);
        QCOMPARE(positions.last().at(0).toString(), QString("15,04"));
    }

    void moveOutsideTheGlyphDoesNothing()
    {
        Editor e(12, 16);
        QSignalSpy positions(&e.editor, &PixelEditor::positionChanged);
        e.editor.imgEditMouseMove(Qt::LeftButton, 120, 20);
        e.editor.imgEditMouseMove(Qt::LeftButton, 20, 160);
        e.editor.imgEditMouseMove(Qt::LeftButton, -15, 20);
        QCOMPARE(positions.size(), 0);
        QCOMPARE(e.inkCount(), 0);
    }

    void editorWithoutABufferIgnoresThePen()
    {
        FontDocument document;
        PixelEditor editor(document);
        editor.imgEditMouseDown(Qt::LeftButton, 5, 5);
        editor.imgEditMouseMove(Qt::LeftButton, 5, 5);
        QVERIFY(document.editBuffer.empty());
    }
};

QTEST_MAIN(PixelEditorTest)
#include "PixelEditor_test.moc"
