#include "creation/DlgNewFont.h"
#include "creation/GlyphDrawing.h"
#include "creation/GlyphRenderer.h"
#include "creation/UnicodeRangeModel.h"
#include "document/FontLib.h"
#include "support/ScriptedDialogs.h"
#include "support/TestFonts.h"

#include <QComboBox>
#include <QDir>
#include <QFocusEvent>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

using namespace tessellon;

namespace {

const QRgb grey = qRgb(128, 128, 128);

bool isBlack(const QImage& image, int x, int y) { return (image.pixel(x, y) & 0xFFFFFF) == 0; }

// Cells of the preview that have a frame: column c of the first row shows grey on the
// top line just right of its left line, row r of the first column on the left line just
// below its top line. Neither pixel belongs to any other cell.
int framedColumns(const QImage& image, int width)
{
    int columns = 0;
    while (columns * (width + 1) + 2 < image.width()
        && image.pixel(columns * (width + 1) + 2, 1) == grey) {
        ++columns;
    }
    return columns;
}

int framedRows(const QImage& image, int height)
{
    int rows = 0;
    while (rows * (height + 1) + 2 < image.height()
        && image.pixel(1, rows * (height + 1) + 2) == grey) {
        ++rows;
    }
    return rows;
}

int greyPixels(const QImage& image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            count += image.pixel(x, y) == grey ? 1 : 0;
        }
    }
    return count;
}

// The ink of a width x height block of the image, packed as glyphs are.
std::vector<std::uint8_t> inkOf(const QImage& image, int left, int top, int width, int height)
{
    std::vector<std::uint8_t> bits(rowBytesFor(width) * height, 0);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            if (isBlack(image, left + x, top + y)) {
                bits[y * rowBytesFor(width) + x / 8] |= pixelMask(x);
            }
        }
    }
    return bits;
}

std::vector<std::uint8_t> renderedGlyph(
    const QFont& font, int width, int height, int x, int y, std::uint16_t code)
{
    GlyphRenderer renderer;
    std::vector<std::uint8_t> glyph(rowBytesFor(width) * height, 0);
    renderer.BeginRender(font, width, height, x, y);
    renderer.RenderGlyph(glyph, code);
    return glyph;
}

} // namespace

class DlgNewFontTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_folder;
    test::ScriptedDialogs m_dialogs;
    std::unique_ptr<TDlgNewFont> m_dialog;

    TDlgNewFont& dialog() { return *m_dialog; }

    void writeCharSet(const QString& name, const QByteArray& bytes)
    {
        QDir(m_folder.path()).mkpath("txt");
        QVERIFY(test::writeBytes(m_folder.filePath("txt/" + name), bytes));
    }

    // The user types the texts of the four number fields.
    void setNumbers(
        const QString& width, const QString& height, const QString& x = "0", const QString& y = "0")
    {
        dialog().txtWidth().setCurrentText(width);
        dialog().txtHeight().setCurrentText(height);
        dialog().txtOffsetX().setCurrentText(x);
        dialog().txtOffsetY().setCurrentText(y);
    }

    // The focus moves from field to the next control of the dialog, as the Tab key moves it.
    void leave(QComboBox& field)
    {
        dialog().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dialog()));
        field.setFocus(Qt::TabFocusReason);
        QVERIFY(field.hasFocus());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QVERIFY(!field.hasFocus());
    }

    QImage previewOf(const QString& text, const QString& width, const QString& height,
        const QString& x = "0", const QString& y = "0")
    {
        dialog().txtPreview().setText(text);
        setNumbers(width, height, x, y);
        dialog().PreviewBtn().click();
        return dialog().previewImage();
    }

    void showDialog()
    {
        dialog().show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog()));
    }

    QStringList listedNames()
    {
        QStringList names;
        for (int row = 0; row < dialog().lstFontText().count(); ++row) {
            names << dialog().lstFontText().item(row)->text();
        }
        return names;
    }

    // The cell editor of a range cell, opened as a click on the cell opens it.
    QLineEdit* rangeCellEditor(int row, int column)
    {
        QTableView& grid = dialog().gridUnicode();
        const QModelIndex index = grid.model()->index(row, column);
        grid.setCurrentIndex(index);
        if (!grid.indexWidget(index)) {
            grid.edit(index);
        }
        auto* editor = qobject_cast<QLineEdit*>(grid.indexWidget(index));
        if (editor) {
            editor->selectAll();
        }
        return editor;
    }

    // Types text over a range cell's text, one key at a time.
    bool typeIntoRangeCell(int row, int column, const QString& text)
    {
        QLineEdit* editor = rangeCellEditor(row, column);
        if (editor) {
            QTest::keyClicks(editor, text);
        }
        return editor != nullptr;
    }

    bool clearRangeCell(int row, int column)
    {
        QLineEdit* editor = rangeCellEditor(row, column);
        if (editor) {
            QTest::keyClick(editor, Qt::Key_Backspace);
        }
        return editor != nullptr;
    }

private slots:
    void init()
    {
        QVERIFY(m_folder.isValid());
        m_dialogs = test::ScriptedDialogs();
        m_dialog = std::make_unique<TDlgNewFont>(m_dialogs);
        dialog().setDataFolder(m_folder.path().toStdString());
        writeCharSet("latin.txt", "AB");
        writeCharSet("Ascii.txt", "ABC");
        writeCharSet("greek.TXT", "\xFF\xFE\xB1\x03");
    }

    void cleanup()
    {
        m_dialog.reset();
        QDir(m_folder.filePath("txt")).removeRecursively();
        QCOMPARE(m_dialogs.unexpected, 0);
    }

    void controlsCarryTheirTextsAndDefaults()
    {
        QCOMPARE(dialog().windowTitle(), QString("Create font"));
        QCOMPARE(dialog().size(), QSize(519, 404));
        QCOMPARE(dialog().RadioFromtext().text(), QString("From text file"));
        QVERIFY(dialog().RadioFromtext().isChecked());
        QCOMPARE(dialog().RadioFromcode().text(), QString("Unicode subset (Hex)"));
        const QStringList sides { "6", "8", "12", "16", "18", "20", "24", "32" };
        for (QComboBox* side : { &dialog().txtWidth(), &dialog().txtHeight() }) {
            QCOMPARE(side->currentText(), QString("16"));
            QStringList items;
            for (int i = 0; i < side->count(); ++i) {
                items << side->itemText(i);
            }
            QCOMPARE(items, sides);
        }
        for (QComboBox* offset : { &dialog().txtOffsetX(), &dialog().txtOffsetY() }) {
            QCOMPARE(offset->currentText(), QString("0"));
            QCOMPARE(offset->count(), 0);
        }
        QCOMPARE(dialog().Label1().text(), QString("Font:Courier New Size:12 Height -16"));
        QCOMPARE(dialog().txtPreview().text(), QString("Preview 1234"));
        QCOMPARE(dialog().txtPreview().font().family(), QString("Courier New"));
        QCOMPARE(dialog().txtPreview().font().pixelSize(), 16);
        QCOMPARE(dialog().cmdFont().text(), QString("Font..."));
        QCOMPARE(dialog().cmdAutosize().text(), QString("Auto size"));
        QCOMPARE(dialog().OKBtn().text(), QString("OK"));
        QVERIFY(dialog().OKBtn().isDefault());
        QCOMPARE(dialog().CancelBtn().text(), QString("Cancel"));
        QCOMPARE(dialog().PreviewBtn().text(), QString("Preview"));
        QCOMPARE(dialog().imgPreview().size(), QSize(137, 137));
        QVERIFY(dialog().CharSetFile().isEmpty());
        QStringList styles;
        for (int i = 0; i < dialog().cboHinting().count(); ++i) {
            styles << dialog().cboHinting().itemText(i);
        }
        QCOMPARE(styles,
            QStringList(
                { "System (bilevel hinting)", "Auto-hinter", "Light (vertical only)", "None" }));
        QCOMPARE(dialog().cboHinting().currentIndex(), 0);
        QCOMPARE(dialog().hinting(), HintingStyle::System);

        const QAbstractItemModel& ranges = *dialog().gridUnicode().model();
        QCOMPARE(ranges.headerData(0, Qt::Horizontal).toString(), QString("From"));
        QCOMPARE(ranges.headerData(1, Qt::Horizontal).toString(), QString("To"));
        QCOMPARE(ranges.rowCount(), 4);
        QCOMPARE(ranges.index(1, 1).data().toString(), QString("5A"));
        QCOMPARE(dialog().gridUnicode().columnWidth(0), 96);
        QCOMPARE(dialog().gridUnicode().rowHeight(0), 16);
    }

    void radioButtonsEnableTheListOrTheGrid()
    {
        QVERIFY(dialog().lstFontText().isEnabled());
        QVERIFY(!dialog().gridUnicode().isEnabled());
        dialog().RadioFromcode().click();
        QVERIFY(!dialog().lstFontText().isEnabled());
        QVERIFY(dialog().gridUnicode().isEnabled());
        dialog().RadioFromtext().click();
        QVERIFY(dialog().lstFontText().isEnabled());
        QVERIFY(!dialog().gridUnicode().isEnabled());
    }

    void showingListsTheTextFilesAndSelectsTheFirst()
    {
        showDialog();
        QCOMPARE(listedNames(), (QStringList { "Ascii.txt", "greek.TXT", "latin.txt" }));
        QCOMPARE(dialog().lstFontText().currentRow(), 0);
        QVERIFY(dialog().OKBtn().isEnabled());
        QVERIFY(m_dialogs.informed.isEmpty());
    }

    void noTextFilesSaysSoAndDisablesOk()
    {
        QDir(m_folder.filePath("txt")).removeRecursively();
        showDialog();
        QCOMPARE(m_dialogs.informed, QStringList { "Can not find any .\\txt\\*.txt!" });
        QCOMPARE(dialog().lstFontText().count(), 0);
        QVERIFY(!dialog().OKBtn().isEnabled());
        // Files that appear later are found the next time the dialog opens.
        dialog().hide();
        writeCharSet("late.txt", "A");
        showDialog();
        QCOMPARE(listedNames(), QStringList { "late.txt" });
        QVERIFY(dialog().OKBtn().isEnabled());
        QCOMPARE(m_dialogs.informed.size(), 1);
    }

    void reopeningKeepsTheChoicesAndSelectsTheFirstFileAgain()
    {
        showDialog();
        dialog().lstFontText().setCurrentRow(2);
        dialog().RadioFromcode().click();
        QVERIFY(typeIntoRangeCell(3, 0, "100"));
        QVERIFY(typeIntoRangeCell(3, 1, "17F"));
        setNumbers("12", "20", "-1", "2");
        dialog().txtPreview().setText("xyz");
        m_dialogs.fontChoices << QFont("DejaVu Sans", 20);
        dialog().cmdFont().click();
        dialog().OKBtn().click();
        QVERIFY(!dialog().isVisible());

        showDialog();
        QCOMPARE(dialog().lstFontText().currentRow(), 0);
        QVERIFY(dialog().RadioFromcode().isChecked());
        QVERIFY(dialog().gridUnicode().isEnabled());
        QCOMPARE(dialog().gridUnicode().model()->index(3, 1).data().toString(), QString("17F"));
        QCOMPARE(dialog().gridUnicode().model()->rowCount(), 5);
        const NewFontTexts texts = dialog().numberTexts();
        QCOMPARE(QString::fromStdString(texts.width), QString("12"));
        QCOMPARE(QString::fromStdString(texts.height), QString("20"));
        QCOMPARE(QString::fromStdString(texts.offsetX), QString("-1"));
        QCOMPARE(QString::fromStdString(texts.offsetY), QString("2"));
        QCOMPARE(dialog().txtPreview().text(), QString("xyz"));
        QCOMPARE(dialog().glyphFont().family(), QString("DejaVu Sans"));
    }

    void typingInTheGridKeepsOneSpareRow()
    {
        showDialog();
        dialog().RadioFromcode().click();
        const QAbstractItemModel& ranges = *dialog().gridUnicode().model();
        QVERIFY(typeIntoRangeCell(3, 0, "4E00"));
        QCOMPARE(ranges.rowCount(), 4);
        QVERIFY(typeIntoRangeCell(3, 1, "9"));
        // The first keystroke in the second cell fills the spare row: a new one comes.
        QCOMPARE(ranges.rowCount(), 5);
        QTest::keyClicks(dialog().gridUnicode().indexWidget(ranges.index(3, 1)), "FA5");
        QCOMPARE(ranges.index(3, 1).data().toString(), QString("9FA5"));
        QCOMPARE(ranges.rowCount(), 5);
        // Emptying the row above the spare one takes the spare row away.
        QVERIFY(clearRangeCell(3, 0));
        QCOMPARE(ranges.rowCount(), 5);
        QVERIFY(clearRangeCell(3, 1));
        QCOMPARE(ranges.rowCount(), 4);
        const auto& model = static_cast<const UnicodeRangeModel&>(ranges);
        QCOMPARE(model.grid().codeCount(), 62u);
    }

    void okWritesTheRangesToATemporaryCharacterSetFile()
    {
        dialog().RadioFromcode().click();
        dialog().OKBtn().click();
        QCOMPARE(dialog().result(), int(QDialog::Accepted));
        const QString first = dialog().CharSetFile();
        QVERIFY(QFileInfo(first).fileName().startsWith("pixel_"));
        const QByteArray bytes = test::fileBytes(first);
        QCOMPARE(bytes.size(), 2 + 2 * 62);
        QCOMPARE(bytes.left(4), QByteArray("\xFF\xFE\x30\x00", 4));
        QCOMPARE(bytes.right(2), QByteArray("\x7A\x00", 2));

        // The next OK makes a file of its own; the former one has served.
        dialog().OKBtn().click();
        QVERIFY(dialog().CharSetFile() != first);
        QVERIFY(!QFileInfo::exists(first));
        dialog().RadioFromtext().click();
        dialog().OKBtn().click();
        QVERIFY(!QFileInfo::exists(first));
    }

    void okWithATextFileNamesThatFile()
    {
        showDialog();
        dialog().lstFontText().setCurrentRow(1);
        dialog().OKBtn().click();
        QCOMPARE(dialog().result(), int(QDialog::Accepted));
        QCOMPARE(QFileInfo(dialog().CharSetFile()).canonicalFilePath(),
            QFileInfo(m_folder.filePath("txt/greek.TXT")).canonicalFilePath());
    }

    void rangesGivingTooManyCodesAreRefusedBeforeAnythingIsWritten()
    {
        showDialog();
        dialog().RadioFromcode().click();
        UnicodeRangeModel& ranges
            = static_cast<UnicodeRangeModel&>(*dialog().gridUnicode().model());
        for (int row = 0; row < 17; ++row) {
            ranges.setData(ranges.index(row, 0), "0");
            ranges.setData(ranges.index(row, 1), "FFFF");
        }
        dialog().OKBtn().click();
        QVERIFY(dialog().isVisible());
        QCOMPARE(m_dialogs.warned,
            QStringList { "The ranges give 1114112 characters; at most 1048576 are allowed." });
        QVERIFY(dialog().CharSetFile().isEmpty());
    }

    // The layout of the cells is checked on the picture itself.
    void previewShowsCellsInRowsUpToTheImageBottom_data()
    {
        QTest::addColumn<QString>("width");
        QTest::addColumn<QString>("height");
        QTest::addColumn<int>("columns");
        QTest::addColumn<int>("rows");
        QTest::newRow("16 x 16: 8 across, 7 rows") << "16"
                                                   << "16" << 8 << 7;
        QTest::newRow("32 x 32: stops after 4 rows") << "32"
                                                     << "32" << 4 << 4;
        QTest::newRow("width 136: one column") << "136"
                                               << "16" << 1 << 7;
        QTest::newRow("width 137: no column, the diagonal") << "137"
                                                            << "16" << 0 << 0;
        QTest::newRow("8 x 12") << "8"
                                << "12" << 15 << 10;
    }

    void previewShowsCellsInRowsUpToTheImageBottom()
    {
        QFETCH(QString, width);
        QFETCH(QString, height);
        QFETCH(int, columns);
        QFETCH(int, rows);
        const QImage image = previewOf(QString(300, QChar('M')), width, height);
        QCOMPARE(image.size(), QSize(137, 137));
        QCOMPARE(framedColumns(image, width.toInt()), columns);
        QCOMPARE(framedRows(image, height.toInt()), rows);
        QCOMPARE(image.pixel(0, 70) & 0xFFFFFF, 0u); // the black border
        QCOMPARE(image.pixel(70, 136) & 0xFFFFFF, 0u);
    }

    void previewOfTheDefaultTextFillsARowAndAHalf()
    {
        const QImage image = previewOf("Preview 1234", "16", "16");
        QCOMPARE(framedColumns(image, 16), 8);
        QCOMPARE(framedRows(image, 16), 2);
        // Row 2 holds the cells of "1234" and no more: column 4 has no bottom line.
        QCOMPARE(image.pixel(3 * 17 + 5, 2 * 17 + 1), grey);
        QCOMPARE(image.pixel(4 * 17 + 5, 2 * 17 + 1), qRgb(255, 255, 255));
    }

    void diagonalCellsHaveNoFramesAndOnlyTheFirstLiesInTheImage()
    {
        const QImage image = previewOf("MMMMMMMM", "137", "16");
        QCOMPARE(greyPixels(image), 0);
        bool inkInFirst = false;
        for (int y = 1; y < 136; ++y) {
            for (int x = 1; x < 136; ++x) {
                if (isBlack(image, x, y)) {
                    QVERIFY2(y >= 2 && y < 18, qPrintable(QString("ink at %1,%2").arg(x).arg(y)));
                    inkInFirst = true;
                }
            }
        }
        QVERIFY(inkInFirst);
    }

    // Each cell shows exactly the glyph the rasteriser makes of its character with the
    // text field's font, from the first showing on.
    void previewCellsShowTheGlyphsAsTheyWillBeMade_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::newRow("16 x 16") << 16 << 16 << 0 << 0;
        QTest::newRow("offset -3, 2 cuts the left part off") << 16 << 16 << -3 << 2;
        QTest::newRow("8 x 8, cut at the right and bottom") << 8 << 8 << 2 << 1;
    }

    void previewCellsShowTheGlyphsAsTheyWillBeMade()
    {
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(int, x);
        QFETCH(int, y);
        dialog().txtPreview().setText("MgW");
        setNumbers(QString::number(width), QString::number(height), QString::number(x),
            QString::number(y));
        showDialog();
        const QImage image = dialog().previewImage();
        const QString text = "MgW";
        for (int c = 0; c < 3; ++c) {
            const auto shown = inkOf(image, c * (width + 1) + 2, 2, width, height);
            QCOMPARE(
                shown, renderedGlyph(dialog().glyphFont(), width, height, x, y, text[c].unicode()));
        }
        QVERIFY(inkOf(image, 2, 2, width, height)
            != std::vector<std::uint8_t>(rowBytesFor(width) * height, 0));
    }

    // The preview shows the glyphs of the chosen hinting style: at 12 px the auto-hinted and
    // the unhinted letters are not the desktop's, and each cell is what the style draws.
    void previewFollowsTheHintingStyle_data()
    {
        QTest::addColumn<QString>("family");
        QTest::addColumn<int>("style");
        for (const char* family : { "DejaVu Sans", "Liberation Mono" }) {
            for (const HintingStyle style : { HintingStyle::AutoHinter, HintingStyle::None }) {
                QTest::addRow("%s %s", family, hintingStyleInfo(style).option)
                    << family << int(style);
            }
        }
    }

    void previewFollowsTheHintingStyle()
    {
        QFETCH(QString, family);
        QFETCH(int, style);
        QFont font(family);
        font.setPixelSize(12);
        if (QFontInfo(font).family() != family) {
            QSKIP("the font is not installed");
        }
        dialog().txtPreview().setFont(font);
        const QImage system = previewOf("a", "12", "15");
        dialog().cboHinting().setCurrentIndex(style);
        QCOMPARE(dialog().hinting(), HintingStyle(style));
        const QImage styled = dialog().previewImage();
        QCOMPARE(inkOf(system, 2, 2, 12, 15), renderedGlyph(font, 12, 15, 0, 0, 'a'));
        QVERIFY(inkOf(styled, 2, 2, 12, 15) != inkOf(system, 2, 2, 12, 15));
        auto drawer
            = openGlyphDrawer(GlyphDrawingParams { font, {}, 12, 15, 0, 0, HintingStyle(style) });
        QVERIFY2(drawer.ok(), drawer.message().c_str());
        std::vector<std::uint8_t> drawn(rowBytesFor(12) * 15, 0);
        (*drawer)->drawCharacter(U'a', drawn);
        QCOMPARE(inkOf(styled, 2, 2, 12, 15), drawn);
        QCOMPARE(dialog().choices()->hinting, HintingStyle(style));
    }

    void previewCountsCharactersNotCodeUnits()
    {
        // U+1D400 is two UTF-16 code units: one cell.
        const QImage image = previewOf(QString::fromUcs4(U"A\U0001D400B"), "16", "16");
        QCOMPARE(framedColumns(image, 16), 3);
    }

    void leavingANumberFieldRedrawsThePreview()
    {
        dialog().txtPreview().setText(QString(300, QChar('M')));
        showDialog();
        const QImage before = dialog().previewImage();
        dialog().txtWidth().setCurrentText("8");
        leave(dialog().txtWidth());
        QCOMPARE(framedColumns(dialog().previewImage(), 8), 15);
        QVERIFY(dialog().previewImage() != before);
        // Losing the focus to another window is not leaving the field.
        dialog().txtHeight().setCurrentText("8");
        QFocusEvent away(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
        QCoreApplication::sendEvent(&dialog().txtHeight(), &away);
        QCOMPARE(framedRows(dialog().previewImage(), 16), 7);
        leave(dialog().txtHeight());
        QCOMPARE(framedRows(dialog().previewImage(), 8), 14);
    }

    // Moving on from a field, or the dialog coming up again, is no moment for a message; a
    // press of OK is, once, and the focus goes back to the field the message names.
    void aNumberThatCannotBeUsedIsToldAtOkNamingItsField()
    {
        showDialog();
        const QImage before = dialog().previewImage();
        dialog().txtWidth().setCurrentText("");
        leave(dialog().txtWidth());
        leave(dialog().txtHeight());
        QVERIFY(m_dialogs.warned.isEmpty());
        QCOMPARE(dialog().previewImage(), before);
        for (int press = 1; press <= 2; ++press) {
            QTest::mouseClick(&dialog().OKBtn(), Qt::LeftButton);
            QCOMPARE(m_dialogs.warned.size(), press);
            QVERIFY(dialog().isVisible());
            QCOMPARE(QApplication::focusWidget(), &dialog().txtWidth());
        }
        QCOMPARE(m_dialogs.warned.last(), QString("Width must be a number from 1 to 256, not ''."));
        dialog().hide();
        showDialog();
        QCOMPARE(m_dialogs.warned.size(), 2);
    }

    void numbersOutOfRangeAreNamedAndKeepThePreview()
    {
        showDialog();
        const QImage before = dialog().previewImage();
        dialog().txtOffsetY().setCurrentText("-300");
        dialog().txtWidth().setCurrentText("0");
        dialog().PreviewBtn().click();
        // The offsets are read first.
        QCOMPARE(m_dialogs.warned,
            QStringList { "Offset y must be a number from -256 to 256, not -300." });
        QCOMPARE(dialog().previewImage(), before);
    }

    void autoSizeMakesTheFontAsTallAsTheGlyph()
    {
        QCOMPARE(dialog().logicalDpiY(), 96);
        dialog().txtHeight().setCurrentText("12");
        dialog().cmdAutosize().click();
        QCOMPARE(dialog().Label1().text(), QString("Font:Courier New,Size:9,Height:-12"));
        QCOMPARE(dialog().glyphFont().pixelSize(), 12);
        QCOMPARE(dialog().glyphFont().family(), QString("Courier New"));
        // The preview follows the smaller font.
        const QImage image = dialog().previewImage();
        QCOMPARE(
            inkOf(image, 2, 2, 16, 12), renderedGlyph(dialog().glyphFont(), 16, 12, 0, 0, 'P'));
    }

    void autoSizeWithAHeightThatIsNoNumberChangesNothing()
    {
        dialog().txtHeight().setCurrentText("x");
        dialog().cmdAutosize().click();
        QCOMPARE(
            m_dialogs.warned, QStringList { "Height must be a number from 1 to 256, not 'x'." });
        QCOMPARE(dialog().glyphFont().pixelSize(), 16);
        QCOMPARE(dialog().Label1().text(), QString("Font:Courier New Size:12 Height -16"));
    }

    void fontChooserGivesTheGlyphsTheirFont()
    {
        QFont arial("DejaVu Sans", 20);
        arial.setBold(true);
        m_dialogs.fontChoices << arial;
        dialog().cmdFont().click();
        QCOMPARE(m_dialogs.fontChooserStarts.size(), 1);
        QCOMPARE(m_dialogs.fontChooserStarts[0].family(), QFontInfo(QFont("Courier New")).family());
        QCOMPARE(m_dialogs.fontChooserStarts[0].pointSize(), 12);
        QCOMPARE(dialog().Label1().text(), QString("Font:DejaVu Sans,Size:20,Height:-27"));
        QCOMPARE(dialog().glyphFont().family(), QString("DejaVu Sans"));
        QCOMPARE(dialog().glyphFont().pixelSize(), 27);
        QVERIFY(dialog().glyphFont().bold());
        QCOMPARE(dialog().txtPreview().font(), dialog().glyphFont());

        // The chooser starts on the glyphs' font, auto-sized.
        dialog().cmdAutosize().click();
        QCOMPARE(dialog().Label1().text(), QString("Font:DejaVu Sans,Size:12,Height:-16"));
        QVERIFY(dialog().glyphFont().bold());
        m_dialogs.fontChoices << std::nullopt;
        dialog().cmdFont().click();
        QCOMPARE(m_dialogs.fontChooserStarts[1].family(), QString("DejaVu Sans"));
        QCOMPARE(m_dialogs.fontChooserStarts[1].pointSize(), 12);
        QVERIFY(m_dialogs.fontChooserStarts[1].bold());
        // Cancelled: nothing changes.
        QCOMPARE(dialog().Label1().text(), QString("Font:DejaVu Sans,Size:12,Height:-16"));
        QCOMPARE(dialog().glyphFont().pixelSize(), 16);
    }

    // The chooser starts on a face that is installed, the one Qt draws the glyphs with, so
    // that OK on it changes nothing; also for heights whole points cannot hold.
    void fontChooserGivenBackWhatItStartedOnChangesNothing()
    {
        for (const char* height : { "16", "14" }) {
            dialog().txtHeight().setCurrentText(height);
            dialog().cmdAutosize().click();
            const QFont glyphs = dialog().glyphFont();
            const QString label = dialog().Label1().text();
            m_dialogs.fontChoices << std::nullopt;
            dialog().cmdFont().click();
            const QFont start = m_dialogs.fontChooserStarts.last();
            QCOMPARE(start.family(), QFontInfo(glyphs).family());
            QVERIFY2(
                QFontDatabase::families().contains(start.family()), qPrintable(start.family()));
            m_dialogs.fontChoices << start;
            dialog().cmdFont().click();
            QCOMPARE(dialog().glyphFont(), glyphs);
            QCOMPARE(dialog().Label1().text(), label);
        }
    }

    void cancelEndsTheDialogWithCancelAndSetsNothing()
    {
        showDialog();
        dialog().CancelBtn().click();
        QCOMPARE(dialog().result(), int(QDialog::Rejected));
        QVERIFY(dialog().CharSetFile().isEmpty());
    }
};

QTEST_MAIN(DlgNewFontTest)
#include "DlgNewFont_test.moc"
