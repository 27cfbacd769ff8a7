#include "editor/TextPreviewPanel.h"
#include "editor/TextPreviewView.h"
#include "support/TestFonts.h"

#include <QComboBox>
#include <QLineEdit>
#include <QSpinBox>
#include <QtTest>

using namespace tessellon;

namespace {

// Three 4 x 3 glyphs: 'A' is a full first row, 'B' a full last row, ' ' blank.
FontLib threeGlyphs()
{
    return test::fontFromRows(
        { { "1111", "0000", "0000" }, { "0000", "0000", "1111" }, { "0000", "0000", "0000" } },
        { u'A', u'B', u' ' });
}

struct ShownPanel {
    FontDocument document;
    TextPreviewSettings settings;
    TextPreviewPanel panel { document };

    explicit ShownPanel(const QString& text, int display = 0, int scale = 1, int scheme = 0)
    {
        document.takeFont(threeGlyphs());
        document.fontReady = true;
        settings.text = text;
        settings.display = display;
        settings.scale = scale;
        settings.scheme = scheme;
        panel.useSettings(settings);
        panel.resize(500, 300);
        panel.show();
        panel.redraw();
    }

    const QImage& display() { return panel.view().display(); }
};

QColor colourOf(Rgb rgb) { return QColor(rgb.red, rgb.green, rgb.blue); }

} // namespace

class TextPreviewPanelTest : public QObject {
    Q_OBJECT
private slots:
    void textIsSetWithTheFontsGlyphs()
    {
        ShownPanel shown("AB");
        const QImage& display = shown.display();
        QCOMPARE(display.size(), QSize(128, 64));
        const QColor ink = Qt::white;
        const QColor paper = Qt::black;
        for (int x = 0; x < 4; ++x) {
            QCOMPARE(display.pixelColor(x, 0), ink);
            QCOMPARE(display.pixelColor(x, 2), paper);
            QCOMPARE(display.pixelColor(4 + x, 0), paper);
            QCOMPARE(display.pixelColor(4 + x, 2), ink);
        }
        QCOMPARE(display.pixelColor(8, 0), paper);
        QCOMPARE(display.pixelColor(0, 3), paper);
        QVERIFY(shown.panel.note().isEmpty());
    }

    void missingCharactersAreFramedBoxesAndCounted()
    {
        ShownPanel shown("AxyBz");
        const QImage& display = shown.display();
        // The box of 'x' covers columns 4 to 7 and rows 0 to 2: its frame is ink.
        for (int x = 4; x < 8; ++x) {
            QCOMPARE(display.pixelColor(x, 0), QColor(Qt::white));
            QCOMPARE(display.pixelColor(x, 2), QColor(Qt::white));
        }
        QCOMPARE(display.pixelColor(5, 1), QColor(Qt::black));
        QCOMPARE(display.pixelColor(4, 1), QColor(Qt::white));
        QCOMPARE(display.pixelColor(7, 1), QColor(Qt::white));
        QCOMPARE(shown.panel.note(), QString("3 characters not in this font"));
        shown.panel.textField().setText("Ax");
        shown.panel.redraw();
        QCOMPARE(shown.panel.note(), QString("1 character not in this font"));
    }

    void eachColourSchemePaintsItsInkAndBackground_data()
    {
        QTest::addColumn<int>("scheme");
        QTest::newRow("OLED") << 0;
        QTest::newRow("LCD") << 1;
        QTest::newRow("paper") << 2;
    }

    void eachColourSchemePaintsItsInkAndBackground()
    {
        QFETCH(int, scheme);
        ShownPanel shown("A", 0, 1, scheme);
        QCOMPARE(shown.display().pixelColor(0, 0), colourOf(previewSchemes[scheme].ink));
        QCOMPARE(shown.display().pixelColor(0, 1), colourOf(previewSchemes[scheme].background));
        QCOMPARE(shown.display().pixelColor(100, 60), colourOf(previewSchemes[scheme].background));
    }

    void displaySizesWrapAndCutTheText_data()
    {
        QTest::addColumn<int>("display");
        QTest::addColumn<QSize>("size");
        QTest::newRow("128 x 64") << 0 << QSize(128, 64);
        QTest::newRow("128 x 32") << 1 << QSize(128, 32);
        QTest::newRow("160 x 128") << 2 << QSize(160, 128);
        QTest::newRow("240 x 128") << 3 << QSize(240, 128);
        QTest::newRow("320 x 240") << 4 << QSize(320, 240);
    }

    void displaySizesWrapAndCutTheText()
    {
        QFETCH(int, display);
        QFETCH(QSize, size);
        // 100 'A's: 32 to a line of 128 pixels, 40 of 160, 60 of 240, 80 of 320.
        ShownPanel shown(QString(100, 'A'), display);
        QCOMPARE(shown.display().size(), size);
        const int perLine = size.width() / 4;
        const int lines = (100 + perLine - 1) / perLine;
        QCOMPARE(shown.panel.layout().lines, lines);
        const int shownLines = size.height() / 3;
        const QString below = lines > shownLines ? QString::number(lines - shownLines)
                + (lines - shownLines == 1 ? " line" : " lines") + " below the display"
                                                 : QString();
        QCOMPARE(shown.panel.note(), below);
        const int lastColumn = (100 - 1) % perLine;
        if (lines <= shownLines) {
            QCOMPARE(
                shown.display().pixelColor(lastColumn * 4, (lines - 1) * 3), QColor(Qt::white));
        }
    }

    void panelWidthFollowsThePanelAndTheScale()
    {
        ShownPanel shown(QString(60, 'A'), 5, 2);
        const int width = shown.display().width();
        QVERIFY(width > 100);
        QCOMPARE(shown.panel.layout().lines, (60 + width / 4 - 1) / (width / 4));
        QCOMPARE(shown.display().height(), shown.panel.layout().lines * 3);
        shown.panel.resize(300, 300);
        QTRY_VERIFY(shown.display().width() < width);
    }

    void theViewIsTheDisplayMagnified()
    {
        ShownPanel shown("AB", 1, 3);
        QCOMPARE(shown.panel.view().size(), QSize(128 * 3 + 2, 32 * 3 + 2));
        const QImage shot = shown.panel.view().grab().toImage();
        // Pixel (0, 0) of the display is the 3 x 3 square inside the one-pixel frame.
        QCOMPARE(shot.pixelColor(1, 1), QColor(Qt::white));
        QCOMPARE(shot.pixelColor(3, 3), QColor(Qt::white));
        QCOMPARE(shot.pixelColor(3, 4), QColor(Qt::black));
    }

    void followsChangesOfTheGlyphs()
    {
        ShownPanel shown("BA");
        QCOMPARE(shown.display().pixelColor(0, 1), QColor(Qt::black));
        GlyphRun run = copyGlyphs(shown.document.fontLib(), 1, 1, false);
        run.pixels.assign(run.pixels.size(), 0xf0);
        QVERIFY(shown.document.replaceGlyphs({ { run } }).ok());
        QTRY_COMPARE(shown.display().pixelColor(0, 1), QColor(Qt::white));

        // New codes move the characters: 'A' is now the last glyph.
        GlyphRun codes = copyGlyphs(shown.document.fontLib(), 0, 3, true);
        *codes.codes = { u'C', u'B', u'A' };
        QVERIFY(shown.document.replaceGlyphs({ { codes } }).ok());
        QTRY_COMPARE(shown.panel.note(), QString());
        QTRY_COMPARE(shown.display().pixelColor(4, 0), QColor(Qt::black));
    }

    // A guide over the top edge of the first row under the baseline of every line shown.
    void baselineGuideLiesUnderTheRowsAboveTheBaseline_data()
    {
        QTest::addColumn<int>("display");
        QTest::addColumn<int>("scale");
        QTest::addColumn<int>("baseline");
        QTest::addColumn<int>("lines");
        QTest::newRow("128 x 64, mid-cell") << 0 << 2 << 2 << 21;
        QTest::newRow("128 x 32, top edge") << 1 << 3 << 0 << 11;
        QTest::newRow("panel width, cell bottom") << 5 << 1 << 3 << 1;
    }

    void baselineGuideLiesUnderTheRowsAboveTheBaseline()
    {
        QFETCH(int, display);
        QFETCH(int, scale);
        QFETCH(int, baseline);
        QFETCH(int, lines);
        ShownPanel shown("AB", display, scale);
        QVERIFY(shown.document.setBaseline(baseline));
        shown.panel.redraw();
        TextPreviewView& view = shown.panel.view();
        QCOMPARE(int(view.guideRows().size()), lines);
        const QImage painted = view.grab().toImage();
        const QColor guide = QColor::fromRgb(TextPreviewView::guideColour);
        const int frame = TextPreviewView::frameWidth;
        for (int line = 0; line < lines; ++line) {
            const int y = std::min(frame + (line * 3 + baseline) * scale, painted.height() - 1);
            QCOMPARE(painted.pixelColor(frame + 5, y), guide);
            QVERIFY(painted.pixelColor(frame + 5, y - 1) != guide);
        }
    }

    void choicesStartFromTheSettingsAndGoBackThere()
    {
        ShownPanel shown("AB", 2, 4, 1);
        QCOMPARE(shown.panel.textField().text(), QString("AB"));
        QCOMPARE(shown.panel.displayChoice().currentIndex(), 2);
        QCOMPARE(shown.panel.scaleChoice().value(), 4);
        QCOMPARE(shown.panel.schemeChoice().currentIndex(), 1);
        shown.panel.textField().setText("BBB");
        shown.panel.displayChoice().setCurrentIndex(4);
        shown.panel.scaleChoice().setValue(8);
        shown.panel.schemeChoice().setCurrentIndex(2);
        QCOMPARE(shown.settings.text, QString("BBB"));
        QCOMPARE(shown.settings.display, 4);
        QCOMPARE(shown.settings.scale, 8);
        QCOMPARE(shown.settings.scheme, 2);
        QCOMPARE(shown.panel.scaleChoice().maximum(), 8);
        QCOMPARE(shown.panel.scaleChoice().minimum(), 1);
    }
};

QTEST_MAIN(TextPreviewPanelTest)
#include "TextPreviewPanel_test.moc"
