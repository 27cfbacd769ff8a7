#include "editor/GlyphGrid.h"
#include "document/FontDocument.h"
#include "document/MemoryImage.h"
#include "editor/GlyphCellImage.h"
#include "editor/GlyphGridModel.h"
#include "editor/QImageRgbImage.h"
#include "support/TestFonts.h"

#include <QHeaderView>
#include <QScrollBar>
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
        document.fontLib = test::numberedFont(width, height, count);
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
        document.fontLib = FontLib::blank(8, 8, static_cast<std::uint32_t>(glyphs), false);
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
        FontDocument document;
        document.fontLib = FontLib::blank(width, height, 3, false);
        auto bytes = document.fontLib.glyph(1);
        for (std::size_t b = 0; b < bytes.size(); ++b) {
            bytes[b] = static_cast<std::uint8_t>(b * 97 + 13);
        }
        const Rgb background = selected ? yellow : white;
        QImage expected(width, height, QImage::Format_RGB32);
        expected.fill(Qt::red);
        QImageRgbImage canvas(expected);
        QVERIFY(document.DrawGlyph(canvas, 0, 0, 1, background));
        QImage cell(width, height, QImage::Format_RGB32);
        cell.fill(Qt::red);
        QVERIFY(drawGlyphCell(document.fontLib, 1, cell, background));
        QCOMPARE(cell, expected);
    }

    void cellImageRefusesAMissingGlyph()
    {
        FontDocument document;
        document.fontLib = FontLib::blank(8, 8, 3, false);
        QImage cell(8, 8, QImage::Format_RGB32);
        cell.fill(Qt::red);
        QVERIFY(!drawGlyphCell(document.fontLib, 3, cell, white));
        QCOMPARE(cell.pixelColor(0, 0), QColor(Qt::red));
    }

    void aRunOfGlyphsRepaintsItsRowsOnly()
    {
        ShownGrid shown(8, 8, 160);
        QVERIFY(QTest::qWaitForWindowExposed(&shown.grid));
        PaintRecorder recorder;
        shown.grid.viewport()->installEventFilter(&recorder);
        QApplication::processEvents();
        recorder.clear();

        GlyphRun run = copyGlyphs(shown.document.fontLib, 30, 36, false);
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
