#include "editor/GlyphGrid.h"
#include "editor/MDIChild.h"
#include "editor/PenToolBar.h"
#include "editor/PixelEditor.h"
#include "editor/WindowCaption.h"
#include "shell/MainForm.h"
#include "shell/Program.h"
#include "support/ScriptedDialogs.h"
#include "support/TestFonts.h"
#include "support/WindowChanges.h"

#include <QMdiArea>
#include <QSplitter>

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QToolButton>
#include <QWheelEvent>
#include <QtTest>

#include <functional>

#include <sys/stat.h>

using namespace tessellon;

namespace {

// Hands every paint event's region of the watched widget to a function.
class PaintSpy final : public QObject {
public:
    explicit PaintSpy(std::function<void(const QRegion&)> seen)
        : m_seen(std::move(seen))
    {
    }
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            m_seen(static_cast<QPaintEvent*>(event)->region());
        }
        return false;
    }

private:
    std::function<void(const QRegion&)> m_seen;
};

// The status texts a child window sent, by panel.
struct StatusPanels {
    QString panel[4];

    explicit StatusPanels(TMDIChild& child)
    {
        QObject::connect(&child, &TMDIChild::statusText,
            [this](int index, const QString& text) { panel[index] = text; });
    }
};

std::vector<std::uint8_t> glyphBytes(const FontLib& font, std::uint32_t index)
{
    const auto bytes = font.glyph(index);
    return { bytes.begin(), bytes.end() };
}

} // namespace

class MDIChildTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    test::ScriptedDialogs m_dialogs;

    QString path(const QString& name) const { return m_dir.filePath(name); }

    QString fontFile(const QString& name, const FontLib& font)
    {
        const QString file = path(name);
        if (!test::writeFont(file, font)) {
            qFatal("cannot write a test font");
        }
        return file;
    }

    // A child window that has read a font of numbered glyphs.
    std::unique_ptr<TMDIChild> openChild(const FontLib& font, const QString& name = "font.pix")
    {
        auto child = std::make_unique<TMDIChild>(m_dialogs);
        child->setAttribute(Qt::WA_DeleteOnClose, false);
        if (!child->LoadFontLib(fontFile(name, font))) {
            qFatal("cannot read a test font");
        }
        return child;
    }

private slots:
    void init()
    {
        QVERIFY(m_dir.isValid());
        m_dialogs = test::ScriptedDialogs();
    }

    void cleanup() { QCOMPARE(m_dialogs.unexpected, 0); }

    void constructedWindowHasTheInitialState()
    {
        TMDIChild child(m_dialogs);
        const FontDocument& document = child.document();
        QVERIFY(document.fileName.empty());
        QVERIFY(!document.fontReady);
        QVERIFY(!child.history().modified());
        QCOMPARE(document.glyphWidth(), 16);
        QCOMPARE(document.glyphHeight(), 16);
        QCOMPARE(child.editorState().zoom, 10);
        QVERIFY(child.editorState().penColor == black);
        QVERIFY(child.CoolBar1().spdColorBlack().isChecked());
        QCOMPARE(child.size(), QSize(552, 419));
    }

    void loadReadsTheFontAndSetsUpGridAndEditor()
    {
        const auto child = openChild(test::numberedFont(12, 16, 33));
        const FontDocument& document = child->document();
        QVERIFY(document.fontReady);
        QVERIFY(!child->history().modified());
        QCOMPARE(child->fileName(), path("font.pix"));
        QCOMPARE(shownTitle(*child), path("font.pix"));
        QCOMPARE(document.fontLib().info.glyphCount, 33u);
        QCOMPARE(child->imgEdit().picture().size(), QSize(120, 160));
        QCOMPARE(child->editorState().editBuffer.size(), std::size_t(12 * 16));
        QCOMPARE(child->gridFontLib().model()->rowCount(), 2);
        QVERIFY(m_dialogs.informed.isEmpty());
    }

    void fileWithoutTheMagicIsRefused()
    {
        const QString file = path("not.pix");
        QVERIFY(test::writeBytes(file, QByteArray(40, 'x')));
        TMDIChild child(m_dialogs);
        QVERIFY(!child.LoadFontLib(file));
        QCOMPARE(m_dialogs.informed, QStringList { "This is not an font pixel file!" });
        QVERIFY(!child.document().fontReady);
        QVERIFY(child.document().fontLib().pixelData.empty());
    }

    void damagedFileIsRefusedWithTheReason()
    {
        QFile::copy(fontFile("whole.pix", test::numberedFont(8, 8, 10)), path("cut.pix"));
        QFile cut(path("cut.pix"));
        QVERIFY(cut.open(QIODevice::ReadWrite));
        QVERIFY(cut.resize(50));
        cut.close();
        TMDIChild child(m_dialogs);
        QVERIFY(!child.LoadFontLib(path("cut.pix")));
        QCOMPARE(m_dialogs.warned.size(), 1);
        QVERIFY(m_dialogs.warned[0].startsWith("The font pixel file is damaged"));
        QVERIFY(!child.document().fontReady);
    }

    void aFileThatCannotBeReadIsReportedWithTheReason()
    {
        QVERIFY(QDir(m_dir.path()).mkdir("folder.pix"));
        QVERIFY(::mkfifo(QFile::encodeName(path("fifo.pix")).constData(), 0600) == 0);
        const QString cases[][2] = {
            { path("folder.pix"), "it is a folder" },
            { path("fifo.pix"), "it is not a regular file" },
            { path("absent.pix"), "No such file or directory" },
        };
        for (const auto& [file, reason] : cases) {
            TMDIChild child(m_dialogs);
            QVERIFY(!child.LoadFontLib(file));
            QCOMPARE(m_dialogs.warned.takeFirst(), "Cannot open file " + file + ": " + reason);
        }
        QVERIFY(m_dialogs.warned.isEmpty());
        QVERIFY(m_dialogs.informed.isEmpty());
    }

    void clickShowsIndexAndCode()
    {
        const auto child = openChild(test::numberedFont(8, 8, 40));
        StatusPanels status(*child);
        child->gridFontLib().selectCells({ 5, 1, 5, 1 });
        QCOMPARE(status.panel[3], QString("Index:5"));
        QCOMPARE(status.panel[2], QString("Unicode:0046"));
        child->gridFontLib().selectCells({ 0, 2, 3, 2 });
        QCOMPARE(status.panel[3], QString("Index:32"));
        QCOMPARE(status.panel[2], QString("Unicode:0061"));
    }

    void codeIsShownWithFourUpperCaseDigits()
    {
        FontLib font = test::numberedFont(8, 8, 3);
        (*font.codeTable)[0] = 65;
        (*font.codeTable)[1] = 0xabcd;
        const auto child = openChild(font);
        StatusPanels status(*child);
        child->gridFontLib().selectCells({ 0, 1, 0, 1 });
        child->gridFontLibClick();
        QCOMPARE(status.panel[2], QString("Unicode:0041"));
        child->gridFontLib().selectCells({ 1, 1, 1, 1 });
        QCOMPARE(status.panel[2], QString("Unicode:ABCD"));
    }

    void fontWithoutCodesLeavesTheCodePanel()
    {
        const auto child = openChild(test::numberedFont(8, 8, 40, false));
        StatusPanels status(*child);
        status.panel[2] = "before";
        child->gridFontLib().selectCells({ 7, 1, 7, 1 });
        QCOMPARE(status.panel[3], QString("Index:7"));
        QCOMPARE(status.panel[2], QString("before"));
    }

    void clickPastTheLastGlyphShowsNothing()
    {
        const auto child = openChild(test::numberedFont(8, 8, 33));
        StatusPanels status(*child);
        child->gridFontLib().selectCells({ 1, 2, 1, 2 });
        QVERIFY(status.panel[3].isEmpty());
    }

    void doubleClickLoadsTheGlyphIntoTheEditor()
    {
        const auto child = openChild(test::numberedFont(8, 8, 40));
        child->resize(700, 500);
        child->show();
        QVERIFY(QTest::qWaitForWindowExposed(child.get()));
        GlyphGrid& grid = child->gridFontLib();
        // A real double click: press and release, then the second press.
        const QPoint cell = grid.cellRect(5, 1).center();
        QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, cell);
        QTest::mouseDClick(grid.viewport(), Qt::LeftButton, {}, cell);
        // Glyph 5: bits of 6 in row 0 (x 1 and 2), and pixel (5, 7).
        std::vector<std::uint8_t> expected(64, 0);
        expected[1] = expected[2] = expected[7 * 8 + 5] = 1;
        QCOMPARE(child->editorState().editBuffer, expected);
        QCOMPARE(child->imgEdit().picture().pixelColor(15, 5), QColor(Qt::black));
        QCOMPARE(child->imgEdit().picture().pixelColor(35, 5), QColor(Qt::white));
        QVERIFY(!child->history().modified());
    }

    void enterLoadsAndControlEnterUpdates()
    {
        const auto child = openChild(test::numberedFont(8, 8, 40));
        child->show();
        QVERIFY(QTest::qWaitForWindowActive(child.get()));
        GlyphGrid& grid = child->gridFontLib();
        grid.setFocus();
        grid.selectCells({ 5, 1, 5, 1 });
        QTest::keyClick(&grid, Qt::Key_Return);
        std::vector<std::uint8_t> expected(64, 0);
        expected[1] = expected[2] = expected[7 * 8 + 5] = 1;
        QCOMPARE(child->editorState().editBuffer, expected);
        QCOMPARE(child->imgEdit().picture().pixelColor(15, 5), QColor(Qt::black));

        QTest::keyClick(&grid, Qt::Key_Right);
        QTest::keyClick(&grid, Qt::Key_Return, Qt::ControlModifier);
        QCOMPARE(glyphBytes(child->document().fontLib(), 6),
            glyphBytes(test::numberedFont(8, 8, 40), 5));
        QVERIFY(child->history().modified());

        // The same keys from the pixel editor: Ctrl+Enter writes the picture back there too.
        child->imgEdit().setFocus();
        QTest::keyClick(&grid, Qt::Key_Right);
        QTest::keyClick(&child->imgEdit(), Qt::Key_Enter, Qt::ControlModifier);
        QCOMPARE(glyphBytes(child->document().fontLib(), 7),
            glyphBytes(test::numberedFont(8, 8, 40), 5));
    }

    void zoomAndGridScaleStopAtTheirLimits()
    {
        const auto child = openChild(test::numberedFont(12, 16, 4));
        QVERIFY(child->canZoomEditor(1) && child->canZoomEditor(-1));
        child->zoomEditor(1);
        QCOMPARE(child->editorState().zoom, 12);
        QCOMPARE(child->imgEdit().picture().size(), QSize(144, 192));
        for (int i = 0; i < 20; ++i) {
            child->zoomEditor(-1);
        }
        QCOMPARE(child->editorState().zoom, 4);
        QVERIFY(!child->canZoomEditor(-1));
        QCOMPARE(child->imgEdit().picture().size(), QSize(48, 64));

        QVERIFY(!child->canScaleGrid(-1));
        child->scaleGrid(3);
        QCOMPARE(child->gridFontLib().scale(), 4);
        QVERIFY(!child->canScaleGrid(1));
        QCOMPARE(child->gridFontLib().cellRect(1, 1).size(), QSize(48, 64));
    }

    void controlWheelZoomsTheEditorAndScalesTheGrid()
    {
        const auto child = openChild(test::numberedFont(8, 8, 4));
        const auto wheel = [](QWidget& widget, int delta) {
            QWheelEvent event(QPointF(3, 3), widget.mapToGlobal(QPointF(3, 3)), QPoint(),
                QPoint(0, delta), Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(&widget, &event);
        };
        wheel(child->imgEdit(), 240);
        QCOMPARE(child->editorState().zoom, 16);
        wheel(*child->gridFontLib().viewport(), 120);
        QCOMPARE(child->gridFontLib().scale(), 2);
    }

    void updateWritesIntoTheSelectedGlyph()
    {
        const auto child = openChild(test::numberedFont(8, 8, 40));
        child->gridFontLib().selectCells({ 5, 1, 5, 1 });
        child->gridFontLibDblClick();
        child->imgEdit().imgEditMouseDown(Qt::LeftButton, 75, 35); // pixel (7, 3)
        child->gridFontLib().selectCells({ 6, 1, 6, 1 });
        child->spdUpdateClick();
        const FontLib& font = child->document().fontLib();
        FontLib expected = test::numberedFont(8, 8, 40);
        expected.setPixel(5, 7, 3);
        QCOMPARE(glyphBytes(font, 6), glyphBytes(expected, 5));
        // The glyph the picture came from is unchanged.
        QCOMPARE(glyphBytes(font, 5), glyphBytes(test::numberedFont(8, 8, 40), 5));
        QVERIFY(child->history().modified());
    }

    void updateButtonStoresTheEditor()
    {
        const auto child = openChild(test::numberedFont(8, 8, 40));
        child->gridFontLib().selectCells({ 3, 1, 3, 1 });
        child->CoolBar1().spdUpdate().click();
        // An untouched editor is blank, so glyph 3 is cleared.
        QCOMPARE(glyphBytes(child->document().fontLib(), 3), std::vector<std::uint8_t>(8, 0));
        QVERIFY(child->history().modified());
    }

    void updateOnTheHeaderRowOrPastTheEndDoesNothing()
    {
        const auto child = openChild(test::numberedFont(8, 8, 33));
        child->gridFontLib().selectCells({ 3, 2, 3, 2 });
        child->spdUpdateClick();
        child->gridFontLibDblClick();
        child->gridFontLib().selectionModel()->clearSelection();
        child->spdUpdateClick();
        QVERIFY(!child->history().modified());
        QCOMPARE(child->document().fontLib().pixelData, test::numberedFont(8, 8, 33).pixelData);
    }

    void penButtonsChooseThePenColour()
    {
        TMDIChild child(m_dialogs);
        child.CoolBar1().spdColorWhite().click();
        QVERIFY(child.editorState().penColor == white);
        QVERIFY(!child.CoolBar1().spdColorBlack().isChecked());
        child.CoolBar1().spdColorWhite().click();
        QVERIFY(child.CoolBar1().spdColorWhite().isChecked());
        child.CoolBar1().spdColorBlack().click();
        QVERIFY(child.editorState().penColor == black);
        QVERIFY(!child.CoolBar1().spdColorWhite().isChecked());
    }

    void penButtonsCarryTheirHints()
    {
        TMDIChild child(m_dialogs);
        QCOMPARE(child.CoolBar1().spdColorBlack().toolTip(), QString("black pen"));
        QCOMPARE(child.CoolBar1().spdColorBlack().statusTip(), QString("Select black pen"));
        QCOMPARE(child.CoolBar1().spdColorWhite().toolTip(), QString("White pen"));
        QCOMPARE(child.CoolBar1().spdColorWhite().statusTip(), QString("select white pen"));
        QCOMPARE(child.CoolBar1().spdUpdate().toolTip(), QString("Update"));
        QCOMPARE(child.CoolBar1().spdUpdate().statusTip(), QString("update"));
    }

    void editorPositionGoesToPanelOne()
    {
        const auto child = openChild(test::numberedFont(12, 16, 4));
        StatusPanels status(*child);
        child->imgEdit().imgEditMouseMove(Qt::NoButton, 115, 35);
        QCOMPARE(status.panel[1], QString("03,11"));
    }

    void updateButtonKeepsToTheRightEnd()
    {
        PenToolBar bar;
        bar.resize(100, 40);
        bar.show();
        QVERIFY(QTest::qWaitForWindowExposed(&bar));
        // Never so narrow that the Update button is cut off.
        QCOMPARE(bar.width(), 120);
        QCOMPARE(bar.spdUpdate().x(), 80);
        bar.resize(200, 40);
        QCOMPARE(bar.spdUpdate().x(), 160);
        bar.resize(150, 40);
        QCOMPARE(bar.spdUpdate().x(), 110);
    }

    void penPanelCannotBeDraggedNarrowerThanItsButtons()
    {
        TMDIChild child(m_dialogs);
        child.show();
        QVERIFY(QTest::qWaitForWindowExposed(&child));
        auto* splitter = child.findChild<QSplitter*>("Splitter1");
        QVERIFY(splitter);
        QSplitterHandle* handle = splitter->handle(1);
        const QPoint grip = handle->rect().center();
        QTest::mousePress(handle, Qt::LeftButton, {}, grip);
        QTest::mouseMove(handle, grip - QPoint(child.panelLeftWidth() - 5, 0));
        QTest::mouseRelease(
            handle, Qt::LeftButton, {}, grip - QPoint(child.panelLeftWidth() - 5, 0));
        QCOMPARE(child.panelLeftWidth(), 3 * PenToolBar::buttonSize);
        const PenToolBar& bar = child.CoolBar1();
        QVERIFY(bar.rect().contains(const_cast<PenToolBar&>(bar).spdUpdate().geometry()));
    }

    void updateRepaintsOnlyTheGlyphItWrote()
    {
        const auto child = openChild(test::numberedFont(8, 8, 200));
        child->resize(700, 500);
        child->show();
        QVERIFY(QTest::qWaitForWindowExposed(child.get()));
        GlyphGrid& grid = child->gridFontLib();
        grid.selectCells({ 5, 2, 5, 2 });
        QRegion painted;
        int paints = 0;
        PaintSpy spy([&](const QRegion& region) {
            painted += region;
            ++paints;
        });
        QApplication::processEvents();
        grid.viewport()->installEventFilter(&spy);
        child->spdUpdateClick();
        QTRY_VERIFY(paints > 0);
        QCOMPARE(painted.boundingRect(), grid.cellRect(5, 2));
    }

    void panelLeftWidthRule_data()
    {
        QTest::addColumn<int>("glyphWidth");
        QTest::addColumn<int>("panelWidth");
        QTest::newRow("small glyph keeps the panel") << 16 << 193;
        QTest::newRow("picture wider than the panel") << 20 << 205;
        QTest::newRow("wide glyph widens the panel") << 40 << 405;
        QTest::newRow("never beyond three quarters") << 48 << 414;
    }

    void panelLeftWidthRule()
    {
        QFETCH(int, glyphWidth);
        QFETCH(int, panelWidth);
        TMDIChild child(m_dialogs);
        child.show();
        QVERIFY(QTest::qWaitForWindowExposed(&child));
        QCOMPARE(child.panelLeftWidth(), 193);
        child.setAttribute(Qt::WA_DeleteOnClose, false);
        QVERIFY(child.LoadFontLib(fontFile("wide.pix", test::numberedFont(glyphWidth, 8, 3))));
        QCOMPARE(child.panelLeftWidth(), panelWidth);
    }

    void closingAnUnmodifiedWindowAsksNothing()
    {
        auto child = openChild(test::numberedFont(8, 8, 3));
        QVERIFY(child->QuerySave());
        QVERIFY(child->close());
        QVERIFY(m_dialogs.questions.isEmpty());
    }

    void querySaveAsksWithTheFileName()
    {
        const auto child = openChild(test::numberedFont(8, 8, 3));
        QVERIFY(test::changeFirstGlyph(*child));
        m_dialogs.answers << MessageAnswer::No;
        QVERIFY(child->QuerySave());
        QCOMPARE(m_dialogs.questions.size(), 1);
        QCOMPARE(m_dialogs.questions[0].caption, QString("Save file?"));
        QCOMPARE(m_dialogs.questions[0].text, "Save Changes to " + path("font.pix") + "?");
        // The changes are dropped, not forgotten: the font is still modified.
        QVERIFY(child->history().modified());
    }

    void cancelKeepsTheWindowOpen()
    {
        const auto child = openChild(test::numberedFont(8, 8, 3));
        QVERIFY(test::changeFirstGlyph(*child));
        m_dialogs.answers << MessageAnswer::Cancel;
        QVERIFY(!child->close());
        QCOMPARE(m_dialogs.questions.size(), 1);
    }

    void yesSavesToTheSameFileWithoutADialog()
    {
        const auto child = openChild(test::numberedFont(8, 8, 3));
        child->gridFontLib().selectCells({ 1, 1, 1, 1 });
        child->spdUpdateClick();
        m_dialogs.answers << MessageAnswer::Yes;
        QVERIFY(child->QuerySave());
        QVERIFY(!child->history().modified());
        QVERIFY(m_dialogs.saveFilters.isEmpty());
        const FontLib saved = test::readFont(path("font.pix"));
        QCOMPARE(saved.pixelData, child->document().fontLib().pixelData);
        QCOMPARE(glyphBytes(saved, 1), std::vector<std::uint8_t>(8, 0));
    }

    void yesOnAnUntitledFontAsksForAName()
    {
        TMDIChild child(m_dialogs);
        child.setFileName("NONAME1");
        child.takeFont(test::numberedFont(8, 8, 3));
        m_dialogs.answers << MessageAnswer::Yes;
        m_dialogs.saveChoices << QString();
        QVERIFY(!child.QuerySave());
        QCOMPARE(m_dialogs.saveFilters, QStringList { "Font pixel file (*.pix)|*.pix" });
        QCOMPARE(child.fileName(), QString("NONAME1"));
        QVERIFY(child.history().modified());

        m_dialogs.answers << MessageAnswer::Yes;
        m_dialogs.saveChoices << path("named");
        QVERIFY(child.QuerySave());
        QCOMPARE(child.fileName(), path("named.pix"));
        QCOMPARE(shownTitle(child), path("named.pix"));
        QVERIFY(QFile::exists(path("named.pix")));
        QVERIFY(!child.history().modified());
    }

    void saveAsAppliesTheExtensionRule_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("written");
        QTest::newRow("no extension") << "font"
                                      << "font.pix";
        QTest::newRow("other extension") << "font.txt"
                                         << "font.txt.pix";
        QTest::newRow("upper case") << "FONT.PIX"
                                    << "FONT.PIX.pix";
        QTest::newRow("already pix") << "other.pix"
                                     << "other.pix";
    }

    void saveAsAppliesTheExtensionRule()
    {
        QFETCH(QString, chosen);
        QFETCH(QString, written);
        const auto child = openChild(test::numberedFont(8, 8, 3), "start.pix");
        m_dialogs.saveChoices << path(chosen);
        QVERIFY(child->SaveFontLib(true));
        QCOMPARE(child->fileName(), path(written));
        QCOMPARE(shownTitle(*child), path(written));
        QVERIFY(QFile::exists(path(written)));
        QCOMPARE(test::readFont(path(written)).pixelData, test::numberedFont(8, 8, 3).pixelData);
    }

    void saveAsStartsWithTheCurrentName()
    {
        const auto child = openChild(test::numberedFont(8, 8, 3), "start.pix");
        m_dialogs.saveChoices << QString();
        QVERIFY(!child->SaveFontLib(true));
        QCOMPARE(m_dialogs.saveSuggestions, QStringList { path("start.pix") });

        TMDIChild untitled(m_dialogs);
        untitled.setFileName("NONAME2");
        m_dialogs.saveChoices << QString();
        QVERIFY(!untitled.SaveFontLib(false));
        QCOMPARE(m_dialogs.saveSuggestions.last(), QString("NONAME2.pix"));
    }

    void saveAsOntoAFontOpenInAnotherWindowIsRefused()
    {
        const auto first = openChild(test::numberedFont(8, 8, 3), "first.pix");
        const auto second = openChild(test::numberedFont(8, 8, 5), "second.pix");
        const TMDIChild::WindowShowingFile showing = [&](const QString& file) -> TMDIChild* {
            for (TMDIChild* child : { first.get(), second.get() }) {
                if (QFileInfo(child->fileName()).canonicalFilePath()
                    == QFileInfo(file).canonicalFilePath()) {
                    return child;
                }
            }
            return nullptr;
        };
        first->setWindowShowingFile(showing);
        QVERIFY(test::changeFirstGlyph(*first));
        const QByteArray secondBytes = test::fileBytes(path("second.pix"));

        m_dialogs.saveChoices << path("second") << path("second.pix");
        QVERIFY(!first->SaveFontLib(true));
        QVERIFY(!first->SaveFontLib(true));
        QCOMPARE(m_dialogs.warned.size(), 2);
        QCOMPARE(m_dialogs.warned[0],
            "Cannot save as " + path("second.pix") + ": the window \"" + path("second.pix")
                + "\" shows that file. Close it first, or choose another name.");
        QCOMPARE(first->fileName(), path("first.pix"));
        QVERIFY(first->history().modified());
        QCOMPARE(test::fileBytes(path("second.pix")), secondBytes);

        // Its own file is no other window's.
        m_dialogs.saveChoices << path("first.pix");
        QVERIFY(first->SaveFontLib(true));
        QCOMPARE(m_dialogs.warned.size(), 2);
    }

    void theMainWindowRefusesSaveAsOntoAnOpenFont()
    {
        Program program(m_dialogs);
        TMainForm& form = program.MainForm();
        const QString a = fontFile("a.pix", test::numberedFont(8, 8, 3));
        const QString b = fontFile("b.pix", test::numberedFont(8, 8, 4));
        TMDIChild* first = form.OpenOrCreate(a);
        TMDIChild* second = form.OpenOrCreate(b);
        QVERIFY(first && second && first != second);
        m_dialogs.saveChoices << a;
        QVERIFY(!second->SaveFontLib(true));
        QCOMPARE(m_dialogs.warned.size(), 1);
        QVERIFY(m_dialogs.warned[0].contains("\"" + a + "\""));
        QCOMPARE(test::readFont(a).info.glyphCount, 3u);
        QCOMPARE(form.childWindows().size(), 2);
    }

    void closeQuestionBringsItsWindowToTheFront()
    {
        QMdiArea area;
        area.resize(800, 600);
        auto* first = openChild(test::numberedFont(8, 8, 3), "first.pix").release();
        auto* second = openChild(test::numberedFont(8, 8, 3), "second.pix").release();
        area.addSubWindow(first);
        area.addSubWindow(second);
        area.show();
        QVERIFY(QTest::qWaitForWindowExposed(&area));
        first->show();
        second->show();
        first->showMinimized();
        area.setActiveSubWindow(second);
        QCOMPARE(area.currentSubWindow(), second);

        QVERIFY(test::changeFirstGlyph(*first));
        m_dialogs.answers << MessageAnswer::No;
        QVERIFY(first->QuerySave());
        QCOMPARE(area.currentSubWindow(), first);
        QVERIFY(!first->isMinimized());
        QCOMPARE(m_dialogs.questions.size(), 1);
    }

    void saveAsCancelledChangesNothing()
    {
        const auto child = openChild(test::numberedFont(8, 8, 3), "start.pix");
        QVERIFY(test::changeFirstGlyph(*child));
        m_dialogs.saveChoices << QString();
        QVERIFY(!child->SaveFontLib(true));
        QCOMPARE(child->fileName(), path("start.pix"));
        QVERIFY(child->history().modified());
    }

    void saveKeepsTheNameOfAFileOpenedWithoutTheExtension()
    {
        const auto child = openChild(test::numberedFont(8, 8, 3), "plain");
        QVERIFY(test::changeFirstGlyph(*child));
        QVERIFY(child->SaveFontLib(false));
        QCOMPARE(child->fileName(), path("plain"));
        QVERIFY(!QFile::exists(path("plain.pix")));
    }

    void failedSaveTellsTheUserAndKeepsTheFontModified()
    {
        const auto child = openChild(test::numberedFont(8, 8, 3));
        QVERIFY(test::changeFirstGlyph(*child));
        const QString unwritable = path("missing-folder/font");
        m_dialogs.saveChoices << unwritable;
        QVERIFY(!child->SaveFontLib(true));
        QCOMPARE(m_dialogs.warned.size(), 1);
        QVERIFY(m_dialogs.warned[0].contains(unwritable + ".pix"));
        QVERIFY(child->history().modified());
        // The chosen name stays, so that the next Save tries it again.
        QCOMPARE(child->fileName(), unwritable + ".pix");
    }

    void failedSaveOnCloseKeepsTheWindowOpen()
    {
        const auto child = openChild(test::numberedFont(8, 8, 3));
        QVERIFY(test::changeFirstGlyph(*child));
        child->setFileName(path("missing-folder/font.pix"));
        m_dialogs.answers << MessageAnswer::Yes;
        QVERIFY(!child->close());
        QCOMPARE(m_dialogs.warned.size(), 1);
    }

    void savingWritesTheCodeTableFlagIntoTheInfo()
    {
        FontLib font = test::numberedFont(8, 8, 3, false);
        font.info.reserved = 7;
        const auto child = std::make_unique<TMDIChild>(m_dialogs);
        child->takeFont(font);
        child->setFileName(path("font.pix"));
        QVERIFY(child->SaveFontLib(false));
        QCOMPARE(child->document().fontLib().info.reserved, std::uint16_t(0));
        QCOMPARE(child->document().fontLib().info.codeTableFlag, std::uint16_t(0));
        QVERIFY(!test::readFont(path("font.pix")).codeTable);
    }
};

QTEST_MAIN(MDIChildTest)
#include "MDIChild_test.moc"
