#include "document/FontDocument.h"
#include "editor/EditorState.h"
#include "editor/PixelEditor.h"
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
    EditorState state { document };
    PixelEditor editor { state };

    Editor(int width, int height)
    {
        document.takeFont(FontLib::blank(width, height, 4, true));
        state.editBuffer.assign(static_cast<std::size_t>(width) * height, 0);
        editor.setupPicture(width, height);
    }

    std::uint8_t pixel(int x, int y) const
    {
        return state.editBuffer[y * document.glyphWidth() + x];
    }

    QColor screen(int x, int y) const { return editor.picture().pixelColor(x, y); }

    int inkCount() const
    {
        int count = 0;
        for (auto value : state.editBuffer) {
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
        e.state.editBuffer[2 * 12 + 1] = 1;
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
        e.state.editBuffer[0] = 1;
        e.editor.RedrawEditor();
        e.state.editBuffer[0] = 0;
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
        e.state.editBuffer.assign(e.state.editBuffer.size(), 1);
        e.state.penColor = white;
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

    void aFastStrokeSetsEveryPixelOnItsLine()
    {
        Editor e(16, 16);
        QSignalSpy strokes(&e.editor, &PixelEditor::strokeEnded);
        QTest::mousePress(&e.editor, Qt::LeftButton, {}, QPoint(5, 5));
        sendMove(e.editor, QPoint(155, 155), Qt::LeftButton);
        QTest::mouseRelease(&e.editor, Qt::LeftButton, {}, QPoint(155, 155));
        for (int i = 0; i < 16; ++i) {
            QCOMPARE(e.pixel(i, i), std::uint8_t(1));
            QCOMPARE(e.screen(i * 10 + 5, i * 10 + 5), inkColour);
        }
        QCOMPARE(e.inkCount(), 16);
        QCOMPARE(strokes.size(), 1);
        QCOMPARE(
            strokes[0][0].value<std::vector<std::uint8_t>>(), std::vector<std::uint8_t>(256, 0));
    }

    void aStrokeThatLeavesThePictureDrawsUpToItsEdge()
    {
        Editor e(8, 4);
        QTest::mousePress(&e.editor, Qt::LeftButton, {}, QPoint(5, 15));
        sendMove(e.editor, QPoint(125, 15), Qt::LeftButton);
        sendMove(e.editor, QPoint(125, 35), Qt::LeftButton);
        sendMove(e.editor, QPoint(5, 35), Qt::LeftButton);
        QTest::mouseRelease(&e.editor, Qt::LeftButton, {}, QPoint(5, 35));
        for (int x = 0; x < 8; ++x) {
            QCOMPARE(e.pixel(x, 1), std::uint8_t(1));
            QCOMPARE(e.pixel(x, 3), std::uint8_t(1));
        }
        QCOMPARE(e.inkCount(), 16);
    }

    void aStrokeEndsWithTheButtonAndTheNextStartsAfresh()
    {
        Editor e(12, 16);
        QSignalSpy strokes(&e.editor, &PixelEditor::strokeEnded);
        QTest::mousePress(&e.editor, Qt::LeftButton, {}, QPoint(5, 5));
        QTest::mouseRelease(&e.editor, Qt::LeftButton, {}, QPoint(5, 5));
        sendMove(e.editor, QPoint(95, 95), Qt::NoButton);
        QTest::mousePress(&e.editor, Qt::LeftButton, {}, QPoint(95, 95));
        QTest::mouseRelease(&e.editor, Qt::LeftButton, {}, QPoint(95, 95));
        QCOMPARE(e.inkCount(), 2);
        QCOMPARE(strokes.size(), 2);
        e.editor.endStroke();
        QCOMPARE(strokes.size(), 2);
    }

    void rulesAndSquaresFollowTheZoom_data()
    {
        QTest::addColumn<int>("zoom");
        QTest::newRow("smallest") << 4;
        QTest::newRow("odd") << 5;
        QTest::newRow("default") << 10;
        QTest::newRow("largest") << 40;
    }

    void rulesAndSquaresFollowTheZoom()
    {
        QFETCH(int, zoom);
        Editor e(3, 2);
        e.state.editBuffer = { 0, 1, 0, 0, 0, 1 };
        e.editor.setZoom(zoom);
        QCOMPARE(e.state.zoom, zoom);
        QCOMPARE(e.editor.picture().size(), QSize(3 * zoom, 2 * zoom));
        for (int x = 0; x < 3 * zoom; ++x) {
            for (int y = 0; y < 2 * zoom; ++y) {
                const int column = x / zoom;
                const int row = y / zoom;
                const int inX = x % zoom;
                const int inY = y % zoom;
                QColor expected = whiteColour;
                if (inX == 0 || inY == 0) {
                    expected = grey;
                } else if (inX <= zoom - 2 && inY <= zoom - 2
                    && e.state.editBuffer[row * 3 + column] == 1) {
                    expected = inkColour;
                }
                QCOMPARE(e.screen(x, y), expected);
            }
        }
    }

    void penFollowsTheZoom()
    {
        Editor e(8, 8);
        e.editor.setZoom(4);
        QTest::mousePress(&e.editor, Qt::LeftButton, {}, QPoint(29, 13));
        QTest::mouseRelease(&e.editor, Qt::LeftButton, {}, QPoint(29, 13));
        QCOMPARE(e.pixel(7, 3), std::uint8_t(1));
        QCOMPARE(e.inkCount(), 1);
    }

    void controlWheelAsksForZoomOneStepPerNotch()
    {
        Editor e(8, 8);
        QSignalSpy zooms(&e.editor, &PixelEditor::zoomRequested);
        const auto wheel = [&](int delta, Qt::KeyboardModifiers modifiers) {
            QWheelEvent event(QPointF(5, 5), e.editor.mapToGlobal(QPointF(5, 5)), QPoint(),
                QPoint(0, delta), Qt::NoButton, modifiers, Qt::NoScrollPhase, false);
            QApplication::sendEvent(&e.editor, &event);
        };
        wheel(120, Qt::ControlModifier);
        wheel(-240, Qt::ControlModifier);
        wheel(60, Qt::ControlModifier);
        wheel(120, Qt::NoModifier);
        wheel(60, Qt::ControlModifier);
        QCOMPARE(zooms.size(), 3);
        QCOMPARE(zooms[0][0].toInt(), 1);
        QCOMPARE(zooms[1][0].toInt(), -2);
        QCOMPARE(zooms[2][0].toInt(), 1);
    }

    void shiftArrowsAskToMoveThePicture()
    {
        Editor e(8, 8);
        QSignalSpy moves(&e.editor, &PixelEditor::transformRequested);
        QTest::keyClick(&e.editor, Qt::Key_Up, Qt::ShiftModifier);
        QTest::keyClick(&e.editor, Qt::Key_Left, Qt::ShiftModifier);
        QTest::keyClick(&e.editor, Qt::Key_Left);
        QTest::keyClick(&e.editor, Qt::Key_Down, Qt::ShiftModifier | Qt::ControlModifier);
        QCOMPARE(moves.size(), 2);
        QCOMPARE(moves[0][0].value<GlyphTransform>(), GlyphTransform::ShiftUp);
        QCOMPARE(moves[1][0].value<GlyphTransform>(), GlyphTransform::ShiftLeft);
    }

    void editorWithoutABufferIgnoresThePen()
    {
        FontDocument document;
        EditorState state(document);
        PixelEditor editor(state);
        editor.imgEditMouseDown(Qt::LeftButton, 5, 5);
        editor.imgEditMouseMove(Qt::LeftButton, 5, 5);
        QVERIFY(state.editBuffer.empty());
    }
};

QTEST_MAIN(PixelEditorTest)
#include "PixelEditor_test.moc"
