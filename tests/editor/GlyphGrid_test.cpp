#include "document/FontDocument.h"
#include "document/MemoryImage.h"
#include "editor/GlyphCellImage.h"
#include "editor/GlyphGrid.h"
#include "editor/GlyphGridModel.h"
#include "formats/QImageRgbImage.h"
#include "support/TestFonts.h"

#include <QHeaderView>
#include <QScrollBar>
#include <QSignalSpy>
#include <QtTest>

using namespace tessellon;

namespace {

const QColor inkColour(0, 0, 0);
const QColor whiteColour(255, 255, 255);
const QColor yellowColour(255, 255, 0);

// A shown grid over a document of numbered glyphs.
struct ShownGrid {
    FontDocument document;
    GlyphGrid grid { document };

    ShownGrid(int width, int height, std::uint32_t count, QSize size = QSize(420, 260))
    {
        document.takeFont(test::numberedFont(width, height, count));
        grid.SetupGrid();
        document.fontReady = true;
        grid.resize(size);
        grid.show();
    }

    QImage shot() { return grid.viewport()->grab().toImage(); }

    QColor pixelOfCell(const QImage& shot, int column, int row, int x, int y)
    {
        const QRect cell = grid.cellRect(column, row);
        return shot.pixelColor(cell.left() + x, cell.top() + y);
    }
};

// Collects what a widget is asked to paint.
class PaintRecorder final : public QObject {
public:
    QRegion painted;
    int paints = 0;

    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            painted += static_cast<QPaintEvent*>(event)->region();
            ++paints;
        }
        return false;
    }

    void clear()
    {
        painted = {};
        paints = 0;
    }
};

} // namespace

Q_DECLARE_METATYPE(tessellon::GridRect)

namespace QTest {
template <> char* toString(const tessellon::GridRect& cells)
{
    return qstrdup(
        QString::asprintf("{%d,%d,%d,%d}", cells.Left, cells.Top, cells.Right, cells.Bottom)
            .toLatin1()
            .constData());
}
} // namespace QTest

class GlyphGridTest : public QObject {
    Q_OBJECT
private slots:
    void rowCountFollowsGlyphCount_data()
    {
        QTest::addColumn<int>("glyphs");
        QTest::addColumn<int>("gridRows");
        QTest::newRow("none") << 0 << 1;
        QTest::newRow("one") << 1 << 2;
        QTest::newRow("one row") << 32 << 2;
        QTest::newRow("one more") << 33 << 3;
        QTest::newRow("full 16 bit") << 65536 << 2049;
    }

    void rowCountFollowsGlyphCount()
    {
        QFETCH(int, glyphs);
        QFETCH(int, gridRows);
        QCOMPARE(gridRowCount(static_cast<std::uint32_t>(glyphs)), gridRows);
        FontDocument document;
        document.takeFont(FontLib::blank(8, 8, static_cast<std::uint32_t>(glyphs), false));
        GlyphGrid grid(document);
        grid.SetupGrid();
        // The header row is the view's header; the model holds the glyph rows.
        QCOMPARE(grid.model()->rowCount(), gridRows - 1);
        QCOMPARE(grid.model()->columnCount(), 32);
    }

    void headerReadsHexDigitsTwice()
    {
        FontDocument document;
        GlyphGrid grid(document);
        QString header;
        for (int column = 0; column < 32; ++column) {
            header += grid.model()->headerData(column, Qt::Horizontal).toString();
        }
        QCOMPARE(header, QString("0123456789ABCDEF0123456789ABCDEF"));
    }

    void cellsMapToGlyphIndexes()
    {
        QCOMPARE(glyphIndexAt(5, 1), 5);
        QCOMPARE(glyphIndexAt(0, 2), 32);
        QCOMPARE(glyphIndexAt(31, 2048), 65535);
        QVERIFY(glyphIndexAt(3, 0) < 0);
    }

    void cellsAreGlyphSized()
    {
        ShownGrid shown(12, 16, 40);
        QCOMPARE(shown.grid.cellRect(3, 1).size(), QSize(12, 16));
        QCOMPARE(shown.grid.horizontalHeader()->height(), 17);
        QCOMPARE(shown.grid.cellRect(3, 2).top() - shown.grid.cellRect(3, 1).top(), 17);
    }

    void glyphIsPaintedAtRealSize()
    {
        ShownGrid shown(8, 8, 33);
        shown.grid.selectCells({ 0, 2, 0, 2 });
        const QImage shot = shown.shot();
        // Glyph 5 has the bits of 6 in its first row and a pixel at (5, 7).
        QCOMPARE(shown.pixelOfCell(shot, 5, 1, 0, 0), whiteColour);
        QCOMPARE(shown.pixelOfCell(shot, 5, 1, 1, 0), inkColour);
        QCOMPARE(shown.pixelOfCell(shot, 5, 1, 2, 0), inkColour);
        QCOMPARE(shown.pixelOfCell(shot, 5, 1, 3, 0), whiteColour);
        QCOMPARE(shown.pixelOfCell(shot, 5, 1, 5, 7), inkColour);
        QCOMPARE(shown.pixelOfCell(shot, 5, 1, 4, 7), whiteColour);
    }

    void selectedCellIsYellow()
    {
        ShownGrid shown(8, 8, 33);
        shown.grid.selectCells({ 4, 1, 5, 1 });
        const QImage shot = shown.shot();
        QCOMPARE(shown.pixelOfCell(shot, 5, 1, 4, 4), yellowColour);
        QCOMPARE(shown.pixelOfCell(shot, 5, 1, 1, 0), inkColour);
        QCOMPARE(shown.pixelOfCell(shot, 4, 1, 4, 4), yellowColour);
        QCOMPARE(shown.pixelOfCell(shot, 6, 1, 4, 4), whiteColour);
    }

    void selectedCellPastTheLastGlyphIsYellowWithoutInk()
    {
        ShownGrid shown(8, 8, 33);
        shown.grid.selectCells({ 1, 2, 2, 2 });
        const QImage shot = shown.shot();
        // Glyph 32 is drawn; the cells beside it have no glyph: selected ones are yellow.
        QCOMPARE(shown.pixelOfCell(shot, 0, 2, 0, 7), inkColour);
        for (int y = 0; y < 8; ++y) {
            for (int x = 0; x < 8; ++x) {
                QCOMPARE(shown.pixelOfCell(shot, 1, 2, x, y), yellowColour);
                QCOMPARE(shown.pixelOfCell(shot, 2, 2, x, y), yellowColour);
                QVERIFY(shown.pixelOfCell(shot, 3, 2, x, y) != yellowColour);
                QVERIFY(shown.pixelOfCell(shot, 3, 2, x, y) != inkColour);
            }
        }
    }

    void aCopyDrawnRightAfterAPaintIsNotYellow()
    {
        ShownGrid shown(8, 8, 33);
        shown.grid.selectCells({ 4, 1, 6, 1 });
        QCOMPARE(shown.pixelOfCell(shown.shot(), 5, 1, 4, 4), yellowColour);
        MemoryImage copy(8, 8, Rgb { 1, 2, 3 });
        QVERIFY(shown.document.DrawGlyph(copy, 0, 0, 5));
        QVERIFY(copy.pixel(4, 4) == white);
        QVERIFY(copy.pixel(1, 0) == black);
    }

    void nothingIsPaintedBeforeTheFontIsReady()
    {
        ShownGrid shown(8, 8, 33);
        shown.document.fontReady = false;
        const QImage shot = shown.shot();
        for (int y = 0; y < 8; ++y) {
            for (int x = 0; x < 8; ++x) {
                QVERIFY(shown.pixelOfCell(shot, 5, 1, x, y) != inkColour);
            }
        }
    }

    void firstGlyphIsSelectedAfterSetup()
    {
        ShownGrid shown(8, 8, 33);
        QCOMPARE(shown.grid.selectedCells(), (GridRect { 0, 1, 0, 1 }));
    }

    void emptyFontHasNoSelection()
    {
        ShownGrid shown(8, 8, 0);
        QCOMPARE(shown.grid.selectedCells().Top, 0);
    }

    void clickSelectsACellAndShiftClickARectangle()
    {
        ShownGrid shown(12, 12, 100);
        QTest::mouseClick(
            shown.grid.viewport(), Qt::LeftButton, {}, shown.grid.cellRect(5, 1).center());
        QCOMPARE(shown.grid.selectedCells(), (GridRect { 5, 1, 5, 1 }));
        QTest::mouseClick(shown.grid.viewport(), Qt::LeftButton, Qt::ShiftModifier,
            shown.grid.cellRect(7, 2).center());
        QCOMPARE(shown.grid.selectedCells(), (GridRect { 5, 1, 7, 2 }));
    }

    void selectionIsClampedToTheGrid()
    {
        ShownGrid shown(8, 8, 40);
        shown.grid.selectCells({ 30, 2, 40, 9 });
        QCOMPARE(shown.grid.selectedCells(), (GridRect { 30, 2, 31, 2 }));
    }

    void lastGlyphOfAFullFontIsReachable()
    {
        ShownGrid shown(16, 16, 65536, QSize(600, 300));
        shown.grid.scrollToBottom();
        shown.grid.selectCells({ 0, 1, 0, 1 });
        const QImage shot = shown.shot();
        // Glyph 65535 has one pixel at (15, 15) and nothing in its first row.
        QCOMPARE(shown.pixelOfCell(shot, 31, 2048, 15, 15), inkColour);
        QCOMPARE(shown.pixelOfCell(shot, 31, 2048, 14, 15), whiteColour);
        QCOMPARE(shown.pixelOfCell(shot, 31, 2048, 0, 0), whiteColour);
        // Glyph 65534: pixel (14, 15) and the bits of 65535 in the first row.
        QCOMPARE(shown.pixelOfCell(shot, 30, 2048, 14, 15), inkColour);
        QCOMPARE(shown.pixelOfCell(shot, 30, 2048, 0, 0), inkColour);
    }

    void cellImageMatchesTheDocumentsDrawing_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<bool>("selected");
        QTest::newRow("12 x 16") << 12 << 16 << false;
        QTest::newRow("12 x 16 selected") << 12 << 16 << true;
        QTest::newRow("1 x 1") << 1 << 1 << false;
        QTest::newRow("9 x 5") << 9 << 5 << true;
        QTest::newRow("33 x 7") << 33 << 7 << false;
    }

    void cellImageMatchesTheDocumentsDrawing()
    {
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(bool, selected);
        FontLib font = FontLib::blank(width, height, 3, false);
        auto bytes = font.glyph(1);
        for (std::size_t b = 0; b < bytes.size(); ++b) {
            bytes[b] = static_cast<std::uint8_t>(b * 97 + 13);
        }
        FontDocument document;
        document.takeFont(std::move(font));
        const Rgb background = selected ? yellow : white;
        QImage expected(width, height, QImage::Format_RGB32);
        expected.fill(Qt::red);
        QImageRgbImage canvas(expected);
        QVERIFY(document.DrawGlyph(canvas, 0, 0, 1, background));
        QImage cell(width, height, QImage::Format_RGB32);
        cell.fill(Qt::red);
        QVERIFY(drawGlyphCell(document.fontLib(), 1, cell, background));
        QCOMPARE(cell, expected);
    }

    void cellImageRefusesAMissingGlyph()
    {
        FontDocument document;
        document.takeFont(FontLib::blank(8, 8, 3, false));
        QImage cell(8, 8, QImage::Format_RGB32);
        cell.fill(Qt::red);
        QVERIFY(!drawGlyphCell(document.fontLib(), 3, cell, white));
        QCOMPARE(cell.pixelColor(0, 0), QColor(Qt::red));
    }

    void keysMoveAndExtendTheSelection_data()
    {
        QTest::addColumn<GridRect>("start");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<GridRect>("selected");
        const int none = Qt::NoModifier;
        const int shift = Qt::ShiftModifier;
        const int control = Qt::ControlModifier;
        QTest::newRow("right") << GridRect { 5, 1, 5, 1 } << int(Qt::Key_Right) << none
                               << GridRect { 6, 1, 6, 1 };
        QTest::newRow("left") << GridRect { 5, 2, 5, 2 } << int(Qt::Key_Left) << none
                              << GridRect { 4, 2, 4, 2 };
        QTest::newRow("down") << GridRect { 5, 1, 5, 1 } << int(Qt::Key_Down) << none
                              << GridRect { 5, 2, 5, 2 };
        QTest::newRow("up stays below the header")
            << GridRect { 5, 1, 5, 1 } << int(Qt::Key_Up) << none << GridRect { 5, 1, 5, 1 };
        QTest::newRow("shift extends")
            << GridRect { 5, 1, 5, 1 } << int(Qt::Key_Right) << shift << GridRect { 5, 1, 6, 1 };
        QTest::newRow("shift down extends")
            << GridRect { 5, 1, 5, 1 } << int(Qt::Key_Down) << shift << GridRect { 5, 1, 5, 2 };
        QTest::newRow("home") << GridRect { 9, 2, 9, 2 } << int(Qt::Key_Home) << none
                              << GridRect { 0, 2, 0, 2 };
        QTest::newRow("end") << GridRect { 9, 2, 9, 2 } << int(Qt::Key_End) << none
                             << GridRect { 31, 2, 31, 2 };
        QTest::newRow("shift home")
            << GridRect { 9, 2, 9, 2 } << int(Qt::Key_Home) << shift << GridRect { 0, 2, 9, 2 };
        QTest::newRow("control home")
            << GridRect { 9, 3, 9, 3 } << int(Qt::Key_Home) << control << GridRect { 0, 1, 0, 1 };
        QTest::newRow("control end: the last glyph")
            << GridRect { 9, 1, 9, 1 } << int(Qt::Key_End) << control << GridRect { 3, 4, 3, 4 };
        QTest::newRow("shift control end") << GridRect { 9, 2, 9, 2 } << int(Qt::Key_End)
                                           << shift + control << GridRect { 3, 2, 9, 4 };
        QTest::newRow("shift control home") << GridRect { 9, 2, 9, 2 } << int(Qt::Key_Home)
                                            << shift + control << GridRect { 0, 1, 9, 2 };
        QTest::newRow("shift control right") << GridRect { 5, 1, 5, 1 } << int(Qt::Key_Right)
                                             << shift + control << GridRect { 5, 1, 6, 1 };
        QTest::newRow("end of the last row: the last glyph")
            << GridRect { 1, 4, 1, 4 } << int(Qt::Key_End) << none << GridRect { 3, 4, 3, 4 };
        QTest::newRow("down onto no glyph: the last glyph")
            << GridRect { 9, 3, 9, 3 } << int(Qt::Key_Down) << none << GridRect { 3, 4, 3, 4 };
        QTest::newRow("page down")
            << GridRect { 9, 1, 9, 1 } << int(Qt::Key_PageDown) << none << GridRect { 3, 4, 3, 4 };
        QTest::newRow("page up") << GridRect { 9, 3, 9, 3 } << int(Qt::Key_PageUp) << none
                                 << GridRect { 9, 1, 9, 1 };
    }

    void keysMoveAndExtendTheSelection()
    {
        QFETCH(GridRect, start);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(GridRect, selected);
        // 100 glyphs: rows 1 to 3 full, row 4 holds glyphs 96 to 99.
        ShownGrid shown(8, 8, 100);
        shown.grid.setFocus();
        shown.grid.selectCells(start);
        QTest::keyClick(&shown.grid, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(shown.grid.selectedCells(), selected);
    }

    void enterAsksForTheSelectedGlyph()
    {
        ShownGrid shown(8, 8, 40);
        QSignalSpy loads(&shown.grid, &GlyphGrid::loadRequested);
        QTest::keyClick(&shown.grid, Qt::Key_Return);
        QTest::keyClick(&shown.grid, Qt::Key_Enter, Qt::KeypadModifier);
        QTest::keyClick(&shown.grid, Qt::Key_Return, Qt::ControlModifier);
        QCOMPARE(loads.size(), 2);
    }

    void scaleMakesCellsAndGlyphsLarger()
    {
        ShownGrid shown(8, 6, 40);
        shown.grid.setScale(3);
        QCOMPARE(shown.grid.cellRect(3, 1).size(), QSize(24, 18));
        QCOMPARE(shown.grid.horizontalHeader()->height(), 19);
        const QImage shot = shown.shot();
        // Glyph 5: ink at x 1 and 2 of row 0, each pixel now 3 x 3.
        for (int x = 0; x < 24; ++x) {
            const QColor expected = x >= 3 && x < 9 ? inkColour : whiteColour;
            QCOMPARE(shown.pixelOfCell(shot, 5, 1, x, 0), expected);
            QCOMPARE(shown.pixelOfCell(shot, 5, 1, x, 2), expected);
        }
        QCOMPARE(shown.pixelOfCell(shot, 5, 1, 4, 3), whiteColour);
        shown.grid.setScale(1);
        QCOMPARE(shown.grid.cellRect(3, 1).size(), QSize(8, 6));
    }

    void controlWheelAsksForAnotherScale()
    {
        ShownGrid shown(8, 8, 40);
        QSignalSpy scales(&shown.grid, &GlyphGrid::scaleRequested);
        QWheelEvent wheel(QPointF(5, 5), shown.grid.mapToGlobal(QPointF(5, 5)), QPoint(),
            QPoint(0, -120), Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(shown.grid.viewport(), &wheel);
        QCOMPARE(scales.size(), 1);
        QCOMPARE(scales[0][0].toInt(), -1);
    }

    void aRunOfGlyphsRepaintsItsRowsOnly()
    {
        ShownGrid shown(8, 8, 160);
        QVERIFY(QTest::qWaitForWindowExposed(&shown.grid));
        PaintRecorder recorder;
        shown.grid.viewport()->installEventFilter(&recorder);
        QApplication::processEvents();
        recorder.clear();

        GlyphRun run = copyGlyphs(shown.document.fontLib(), 30, 36, false);
        std::fill(run.pixels.begin(), run.pixels.end(), 0xFF);
        QVERIFY(shown.document.replaceGlyphs({ { run } }).ok());
        QTRY_VERIFY(recorder.paints > 0);
        const QRect rows = shown.grid.cellRect(0, 1).united(shown.grid.cellRect(31, 3));
        QVERIFY(rows.contains(recorder.painted.boundingRect()));
        QVERIFY(!recorder.painted.intersects(shown.grid.cellRect(0, 4)));
        const QImage shot = shown.shot();
        QCOMPARE(shown.pixelOfCell(shot, 30, 1, 3, 3), inkColour);
        QCOMPARE(shown.pixelOfCell(shot, 1, 3, 3, 3), inkColour);
        QCOMPARE(shown.pixelOfCell(shot, 2, 3, 3, 3), whiteColour);
    }
};

QTEST_MAIN(GlyphGridTest)
#include "GlyphGrid_test.moc"
