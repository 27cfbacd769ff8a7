#include "creation/DlgNewFont.h"
#include "creation/DlgProgress.h"
#include "creation/NewCommand.h"
#include "editor/DlgBaseline.h"
#include "editor/FontHistory.h"
#include "editor/GlyphGrid.h"
#include "editor/MDIChild.h"
#include "editor/PenToolBar.h"
#include "editor/PixelEditor.h"
#include "editor/TextPreviewPanel.h"
#include "editor/TextPreviewView.h"
#include "editor/WindowCaption.h"
#include "export/DlgExportLib.h"
#include "formats/FontImport.h"
#include "shell/AboutBox.h"
#include "shell/MainActions.h"
#include "shell/MainForm.h"
#include "shell/MainStatusBar.h"
#include "shell/MainToolBar.h"
#include "shell/Program.h"
#include "shell/WindowArrangement.h"
#include "shell/WindowList.h"
#include "support/EventLoop.h"
#include "support/ProgramUnderTest.h"
#include "support/TestFonts.h"
#include "support/WindowChanges.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

using namespace tessellon;

namespace {

QStringList entryNames(const QMenu& menu)
{
    QStringList names;
    for (const QAction* action : menu.actions()) {
        names << (action->isSeparator() ? QString("-") : action->objectName());
    }
    return names;
}

// A command's controller as the commands of the subsystems have them: it sees the program
// only through its context and acts on the active child window.
class RecordingCommand final : public MainCommand {
public:
    RecordingCommand(const CommandContext& context, QList<TMDIChild*>& executedOn)
        : m_context(context)
        , m_executedOn(executedOn)
    {
    }

    void Execute() override { m_executedOn << m_context.windows.activeChild(); }
    bool Update() const override { return m_context.windows.activeChild() != nullptr; }

private:
    const CommandContext& m_context;
    QList<TMDIChild*>& m_executedOn;
};

QMenu* menuTitled(QMainWindow& window, const QString& title)
{
    for (QAction* action : window.menuBar()->actions()) {
        if (action->text() == title) {
            return action->menu();
        }
    }
    return nullptr;
}

} // namespace

class MainFormTest : public QObject {
    Q_OBJECT

    test::ProgramUnderTest m_test;

    TMainForm& form() { return m_test.form(); }
    MainActions& actions() { return form().actions(); }
    QString panel(int index) { return form().statusPanels().panelText(index); }

    QString fontFile(const QString& name, std::uint32_t glyphs = 40, bool withCodes = true)
    {
        const QString file = m_test.dir.filePath(name);
        if (!test::writeFont(file, test::numberedFont(8, 8, glyphs, withCodes))) {
            qFatal("cannot write a test font");
        }
        return file;
    }

    TMDIChild* openThroughTheMenu(const QString& file)
    {
        m_test.dialogs.openChoices << file;
        actions().FileOpen1->trigger();
        return form().activeChild();
    }

    void idle() { test::runUntilIdle(); }

    // The new-font dialog as the user answers it: codes from the ranges, OK.
    static int acceptNewFontFromCodes(QDialog& dialog)
    {
        auto& newFont = static_cast<TDlgNewFont&>(dialog);
        newFont.RadioFromcode().click();
        newFont.OKBtn().click();
        return newFont.result();
    }

    // The first entry of the Window menu's list, as the menu shows it.
    QString firstListedWindow()
    {
        form().windowList().refresh();
        for (const QAction* action : form().windowMenu().actions()) {
            if (action->isCheckable()) {
                return action->text();
            }
        }
        return {};
    }

private slots:
    void init() { QVERIFY(m_test.start(QSize(1000, 700))); }

    void cleanup() { QCOMPARE(m_test.stop(), 0); }

    void startsWithNoChildWindow()
    {
        idle();
        QCOMPARE(form().windowTitle(), QString("Tessellon"));
        QVERIFY(form().childWindows().isEmpty());
        QCOMPARE(panel(0), QString("test"));
        const MainActions& a = actions();
        for (QAction* disabled : { a.FileClose1, a.FileSave1, a.FileSaveAs1, a.FileExport1,
                 a.FileExportBdf1, a.FileSaveRecipe1, a.EditCopy1, a.EditPaste1, a.EditCopyTo,
                 a.EditPasteFrom, a.WindowCascade1, a.WindowTileHorizontal1, a.WindowTileVertical1,
                 a.WindowMinimizeAll1, a.WindowArrangeAll1 }) {
            QVERIFY2(!disabled->isEnabled(), qPrintable(disabled->objectName()));
        }
        for (QAction* enabled : { a.FileNew1, a.FileOpen1, a.FileImport1, a.FileOpenRecipe1,
                 a.FileExit1, a.HelpHelp1, a.HelpAbout1 }) {
            QVERIFY2(enabled->isEnabled(), qPrintable(enabled->objectName()));
        }
    }

    void actionsCarryCaptionsShortcutsAndHints_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("shortcut");
        QTest::addColumn<QString>("tip");
        QTest::addColumn<QString>("statusTip");
        auto row = [](const char* name, const char* caption, const char* shortcut, const char* tip,
                       const char* statusTip) {
            QTest::newRow(name) << name << caption << shortcut << tip << statusTip;
        };
        row("FileNew1", "&New", "Ctrl+N", "New", "Create a new file");
        row("FileOpen1", "&Open", "Ctrl+O", "Open", "Open a file");
        row("FileClose1", "&Close", "", "Close", "Close current file");
        row("FileSave1", "&Save", "Ctrl+S", "Save", "Save current file");
        row("FileSaveAs1", "Save &As...", "", "Save As", "Save current file with different name");
        row("FileExport1", "Ex&port...", "Ctrl+P", "Export",
            "export pixel font into c source file");
        row("FileExit1", "E&xit", "", "Exit", "Exit application");
        row("EditCut1", "Cu&t", "Ctrl+X", "Cut", "Cuts the selection and puts it on the Clipboard");
        row("EditCopy1", "&Copy", "Ctrl+C", "Copy",
            "Copies the selection and puts it on the Clipboard");
        row("EditPaste1", "&Paste", "Ctrl+V", "Paste", "Inserts Clipboard contents");
        row("WindowCascade1", "&Cascade", "", "Cascade", "Cascade");
        row("WindowTileHorizontal1", "Tile &Horizontally", "", "Tile Horizontally",
            "Tile Horizontally");
        row("WindowTileVertical1", "Tile &Vertically", "", "Tile Vertically", "Tile Vertically");
        row("WindowMinimizeAll1", "&Minimize All", "", "Minimize All", "Minimize All");
        row("WindowArrangeAll1", "&Arrange All", "", "Arrange All", "Arrange All");
        row("HelpAbout1", "&About...", "", "About",
            "Displays program information, version number, and copyright");
        row("EditCopyTo", "Copy To ...", "", nullptr, "");
        row("EditPasteFrom", "Paste from ...", "", nullptr, "");
        row("HelpHelp1", "&Help", "", nullptr, "");
        row("EditUndo1", "&Undo", "Ctrl+Z", "Undo", "Undoes the last change");
        row("EditRedo1", "&Redo", "Ctrl+Y; Ctrl+Shift+Z", "Redo", "Redoes the last undone change");
        row("GlyphShiftUp1", "Shift &Up", "", "Shift Up",
            "Moves the selected glyphs or the edited picture one pixel up");
        row("GlyphFlipHorizontally1", "Flip &Horizontally", "", "Flip Horizontally",
            "Mirrors the selected glyphs or the edited picture left to right");
        row("GlyphBold1", "&Bold", "", "Bold",
            "Inks the right neighbour of every ink pixel of the selected glyphs or the edited "
            "picture");
        row("ViewZoomIn1", "Zoom &In", "Ctrl++; Ctrl+=", "Zoom In", "Magnifies the pixel editor");
        row("ViewTextPreview1", "&Text Preview", "", "Text Preview",
            "Shows or hides text set with the font under the grid");
        row("FileImport1", "&Import...", "", "Import",
            "Open a BDF, Unifont .hex or picture sheet as a new font");
        row("FileExportBdf1", "Export as &BDF...", "", "Export as BDF",
            "Write the current font as a BDF font file");
        row("GlyphBaseline1", "Base&line...", "", "Baseline",
            "Sets how many rows of the cell lie above the font's baseline");
        row("FileSaveRecipe1", "Save &Recipe...", "", "Save Recipe",
            "Save the choices of a new font as a font recipe");
        row("FileOpenRecipe1", "Open Recip&e...", "", "Open Recipe",
            "Make the font of a font recipe in a new window");
    }

    void actionsCarryCaptionsShortcutsAndHints()
    {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QString, shortcut);
        QFETCH(QString, tip);
        QFETCH(QString, statusTip);
        QAction* action = form().findChild<QAction*>(name);
        QVERIFY(action);
        QCOMPARE(action->text(), caption);
        QCOMPARE(QKeySequence::listToString(action->shortcuts()), shortcut);
        if (!tip.isNull()) {
            QCOMPARE(action->toolTip(), tip);
        }
        QCOMPARE(action->statusTip(), statusTip);
    }

    void actionListKeepsItsOrder()
    {
        QStringList names;
        for (const QAction* action : actions().all()) {
            names << action->objectName();
        }
        QCOMPARE(names,
            QStringList({ "FileNew1", "FileOpen1", "FileClose1", "FileSave1", "FileSaveAs1",
                "FileExport1", "FileExit1", "EditCut1", "EditCopy1", "EditPaste1", "WindowCascade1",
                "WindowTileHorizontal1", "WindowTileVertical1", "WindowMinimizeAll1",
                "WindowArrangeAll1", "HelpAbout1", "EditCopyTo", "EditPasteFrom", "HelpHelp1",
                "EditUndo1", "EditRedo1", "GlyphShiftUp1", "GlyphShiftDown1", "GlyphShiftLeft1",
                "GlyphShiftRight1", "GlyphFlipHorizontally1", "GlyphFlipVertically1",
                "GlyphInvert1", "GlyphClear1", "GlyphBold1", "ViewZoomIn1", "ViewZoomOut1",
                "ViewGridLarger1", "ViewGridSmaller1", "ViewTextPreview1", "FileImport1",
                "FileExportBdf1", "GlyphBaseline1", "FileSaveRecipe1", "FileOpenRecipe1" }));
    }

    void menusHoldTheirEntriesInOrder()
    {
        QMenu* file = menuTitled(form(), "&File");
        QMenu* edit = menuTitled(form(), "&Edit");
        QMenu* window = menuTitled(form(), "&Window");
        QMenu* help = menuTitled(form(), "&Help");
        QVERIFY(file && edit && window && help);
        QCOMPARE(entryNames(*file),
            QStringList({ "FileNew1", "FileOpen1", "FileClose1", "FileSave1", "FileSaveAs1",
                "FileExport1", "FileImport1", "FileExportBdf1", "FileOpenRecipe1",
                "FileSaveRecipe1", "-", "FileExit1" }));
        QCOMPARE(entryNames(*edit),
            QStringList({ "EditCut1", "EditCopy1", "EditPaste1", "-", "EditCopyTo", "EditPasteFrom",
                "-", "EditUndo1", "EditRedo1" }));
        QCOMPARE(entryNames(*window),
            QStringList({ "WindowCascade1", "WindowTileHorizontal1", "WindowTileVertical1",
                "WindowMinimizeAll1", "WindowArrangeAll1" }));
        QCOMPARE(entryNames(*help), QStringList({ "HelpHelp1", "HelpAbout1" }));
        QCOMPARE(file->menuAction()->statusTip(), QString("File related commands"));
        QCOMPARE(edit->menuAction()->statusTip(), QString("Edit commands"));
        QCOMPARE(window->menuAction()->statusTip(), QString("Window related commands"));
        QCOMPARE(help->menuAction()->statusTip(), QString("Help topics"));
    }

    void glyphAndViewMenusStandBetweenEditAndWindow()
    {
        QStringList titles;
        for (const QAction* menu : form().menuBar()->actions()) {
            titles << menu->text();
        }
        QCOMPARE(titles, QStringList({ "&File", "&Edit", "&Glyph", "&View", "&Window", "&Help" }));
        QMenu* glyph = menuTitled(form(), "&Glyph");
        QMenu* view = menuTitled(form(), "&View");
        QCOMPARE(entryNames(*glyph),
            QStringList({ "GlyphShiftUp1", "GlyphShiftDown1", "GlyphShiftLeft1", "GlyphShiftRight1",
                "-", "GlyphFlipHorizontally1", "GlyphFlipVertically1", "-", "GlyphInvert1",
                "GlyphClear1", "GlyphBold1", "-", "GlyphBaseline1" }));
        QCOMPARE(entryNames(*view),
            QStringList({ "ViewZoomIn1", "ViewZoomOut1", "-", "ViewGridLarger1", "ViewGridSmaller1",
                "-", "ViewTextPreview1" }));
        QCOMPARE(glyph->menuAction()->statusTip(), QString("Glyph commands"));
        QCOMPARE(view->menuAction()->statusTip(), QString("View commands"));
        for (QAction* action : actions().all()) {
            if (action->objectName().startsWith("Glyph") || action->objectName().startsWith("View")
                || action->objectName().startsWith("EditUndo")
                || action->objectName().startsWith("EditRedo")) {
                QVERIFY2(action->statusTip().size() > 10, qPrintable(action->objectName()));
                QVERIFY2(!action->toolTip().isEmpty(), qPrintable(action->objectName()));
            }
        }
    }

    void toolbarHoldsItsButtonsBoundToTheirCommands()
    {
        MainToolBar& bar = form().CoolBar1();
        QCOMPARE(bar.height(), 64);
        const struct {
            int x;
            const char* caption;
            QAction* action;
        } expected[] = { { 0, "New", actions().FileNew1 }, { 60, "Open", actions().FileOpen1 },
            { 120, "Save", actions().FileSave1 }, { 184, "Export", actions().FileExport1 },
            { 248, "Undo", actions().EditUndo1 }, { 308, "Redo", actions().EditRedo1 } };
        QList<QImage> pictures;
        for (int i = 0; i < MainToolBar::buttonCount; ++i) {
            QToolButton& button = bar.button(i);
            const QImage picture = button.icon().pixmap(32, 32).toImage();
            QVERIFY2(!pictures.contains(picture), expected[i].caption);
            pictures << picture;
            QCOMPARE(button.x(), expected[i].x);
            QCOMPARE(button.size(), QSize(60, 60));
            QCOMPARE(button.text(), QString(expected[i].caption));
            QCOMPARE(button.defaultAction(), expected[i].action);
            QCOMPARE(button.toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
        }
        idle();
        QVERIFY(!bar.button(2).isEnabled());
        QVERIFY(bar.button(1).isEnabled());
    }

    void statusBarHasFourPanels()
    {
        MainStatusBar& bar = form().statusPanels();
        QCOMPARE(bar.findChildren<QLabel*>().size(), 4);
        QVERIFY(bar.panel(0).width() >= 150);
        QCOMPARE(bar.panel(1).width(), 50);
        QCOMPARE(bar.panel(2).width(), 100);
        QCOMPARE(bar.panel(3).width(), 100);
        QVERIFY(bar.panel(0).x() < bar.panel(1).x());
        QVERIFY(bar.panel(1).x() < bar.panel(2).x());
        QVERIFY(bar.panel(2).x() < bar.panel(3).x());
    }

    void longestHintShowsInFullOrWhollyInTheTooltip()
    {
        const QString longest = "Displays program information, version number, and copyright";
        MainStatusBar& bar = form().statusPanels();
        actions().HelpAbout1->showStatusText(&form());
        QCOMPARE(bar.panelText(0), longest);
        QCOMPARE(bar.shownText(0), longest);
        QVERIFY(bar.panel(0).toolTip().isEmpty());

        form().resize(420, 300);
        QTRY_VERIFY(bar.shownText(0) != longest);
        QVERIFY(bar.shownText(0).endsWith(QChar(0x2026)));
        QCOMPARE(bar.panel(0).toolTip(), longest);
        QCOMPARE(bar.panelText(0), longest);
        QVERIFY(bar.panel(0).width() >= 150);

        form().resize(1000, 700);
        QTRY_COMPARE(bar.shownText(0), longest);
        QVERIFY(bar.panel(0).toolTip().isEmpty());
    }

    void editAndWindowEntriesCarryPictures()
    {
        const MainActions& a = actions();
        for (QAction* action : { a.EditCut1, a.EditCopy1, a.EditPaste1, a.WindowCascade1,
                 a.WindowTileHorizontal1, a.WindowTileVertical1 }) {
            const QImage picture = action->icon().pixmap(16, 16).toImage();
            QVERIFY2(!picture.isNull(), qPrintable(action->objectName()));
            QVERIFY2(action->isIconVisibleInMenu(), qPrintable(action->objectName()));
            int ink = 0;
            for (int y = 0; y < picture.height(); ++y) {
                for (int x = 0; x < picture.width(); ++x) {
                    ink += qAlpha(picture.pixel(x, y)) > 0 && qGray(picture.pixel(x, y)) < 64;
                }
            }
            QVERIFY2(ink > 10, qPrintable(action->objectName()));
        }
        QVERIFY(!QCoreApplication::testAttribute(Qt::AA_DontShowIconsInMenus));
    }

    void hintsGoToPanelZero()
    {
        actions().FileSave1->showStatusText(&form().CoolBar1().button(2));
        QCOMPARE(panel(0), QString("Save current file"));
        TMDIChild* child = openThroughTheMenu(fontFile("a.pix"));
        QVERIFY(child);
        QEvent enter(QEvent::Enter);
        QApplication::sendEvent(&child->CoolBar1().spdColorWhite(), &enter);
        QCOMPARE(panel(0), QString("select white pen"));
    }

    void menuEntriesShowTheirHintsInPanelZero()
    {
        QMenu* file = menuTitled(form(), "&File");
        form().menuBar()->setActiveAction(file->menuAction());
        QTRY_VERIFY(file->isVisible());
        file->setActiveAction(actions().FileOpen1);
        QCOMPARE(panel(0), QString("Open a file"));
        file->setActiveAction(actions().FileExit1);
        QCOMPARE(panel(0), QString("Exit application"));
        file->close();
    }

    void openingAFontEnablesItsCommandsWhenIdle()
    {
        const QString file = fontFile("a.pix");
        TMDIChild* child = openThroughTheMenu(file);
        QVERIFY(child);
        QCOMPARE(m_test.dialogs.openFilters,
            QStringList { "Font pixel file (*.pix)|*.pix|All files (*.*)|*.*" });
        QCOMPARE(shownTitle(*child), file);
        QVERIFY(child->document().fontReady);
        QVERIFY(!actions().FileSave1->isEnabled());
        idle();
        const MainActions& a = actions();
        for (QAction* enabled :
            { a.FileClose1, a.FileSave1, a.FileSaveAs1, a.WindowCascade1, a.WindowTileHorizontal1,
                a.WindowTileVertical1, a.WindowMinimizeAll1, a.WindowArrangeAll1 }) {
            QVERIFY2(enabled->isEnabled(), qPrintable(enabled->objectName()));
        }
        child->close();
        idle();
        QVERIFY(!actions().FileSave1->isEnabled());
        QVERIFY(!actions().WindowCascade1->isEnabled());
    }

    void statusBarShowsIndexCodeAndPosition()
    {
        TMDIChild* child = openThroughTheMenu(fontFile("a.pix"));
        QVERIFY(child);
        GlyphGrid& grid = child->gridFontLib();
        QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, grid.cellRect(5, 1).center());
        QCOMPARE(panel(3), QString("Index:5"));
        QCOMPARE(panel(2), QString("Unicode:0046"));
        child->imgEdit().imgEditMouseMove(Qt::NoButton, 35, 72);
        QCOMPARE(panel(1), QString("07,03"));
    }

    void openingAnOpenFileActivatesItsWindow()
    {
        const QString first = fontFile("a.pix");
        TMDIChild* a = openThroughTheMenu(first);
        TMDIChild* b = openThroughTheMenu(fontFile("b.pix"));
        QVERIFY(a && b && a != b);
        QCOMPARE(form().activeChild(), b);
        const QString sameFileOtherSpelling = m_test.dir.path() + "/./a.pix";
        QCOMPARE(openThroughTheMenu(sameFileOtherSpelling), a);
        QCOMPARE(form().childWindows().size(), 2);
    }

    void badFileClosesItsWindow()
    {
        const QString file = m_test.dir.filePath("bad.pix");
        QVERIFY(test::writeBytes(file, "GIF89a, not a font at all"));
        QVERIFY(!openThroughTheMenu(file));
        QCOMPARE(m_test.dialogs.informed, QStringList { "This is not an font pixel file!" });
        QVERIFY(form().childWindows().isEmpty());
        QVERIFY(m_test.dialogs.questions.isEmpty());
    }

    void cancelledOpenDoesNothing()
    {
        m_test.dialogs.openChoices << QString();
        actions().FileOpen1->trigger();
        QVERIFY(form().childWindows().isEmpty());
    }

    void closeCommandAsksAboutUnsavedChanges()
    {
        TMDIChild* child = openThroughTheMenu(fontFile("a.pix"));
        QVERIFY(child);
        QVERIFY(test::changeFirstGlyph(*child));
        idle();
        m_test.dialogs.answers << MessageAnswer::Cancel;
        actions().FileClose1->trigger();
        QCOMPARE(form().childWindows().size(), 1);
        m_test.dialogs.answers << MessageAnswer::No;
        actions().FileClose1->trigger();
        QVERIFY(form().childWindows().isEmpty());
        QCOMPARE(m_test.dialogs.questions.size(), 2);
    }

    void exitAsksLastOpenedFirstAndStopsAtTheFirstCancel()
    {
        QStringList files;
        for (const char* name : { "a.pix", "b.pix", "c.pix" }) {
            files << fontFile(name);
            TMDIChild* child = openThroughTheMenu(files.last());
            QVERIFY(child);
            QVERIFY(test::changeFirstGlyph(*child));
        }
        m_test.dialogs.answers << MessageAnswer::No << MessageAnswer::Cancel;
        actions().FileExit1->trigger();
        QCOMPARE(m_test.dialogs.questions.size(), 2);
        QCOMPARE(m_test.dialogs.questions[0].text, "Save Changes to " + files[2] + "?");
        QCOMPARE(m_test.dialogs.questions[1].text, "Save Changes to " + files[1] + "?");
        QVERIFY(form().isVisible());
        QCOMPARE(form().childWindows().size(), 3);
        for (TMDIChild* child : form().childWindows()) {
            QVERIFY(child->history().modified());
        }
    }

    void exitSavesWhatTheUserAsksAndEnds()
    {
        const QString first = fontFile("a.pix");
        TMDIChild* a = openThroughTheMenu(first);
        TMDIChild* b = openThroughTheMenu(fontFile("b.pix"));
        TMDIChild* c = openThroughTheMenu(fontFile("c.pix"));
        QVERIFY(a && b && c);
        QVERIFY(test::changeFirstGlyph(*a));
        a->gridFontLib().selectCells({ 2, 1, 2, 1 });
        a->spdUpdateClick();
        QVERIFY(test::changeFirstGlyph(*c));
        // c is asked first, b passes silently, then a.
        m_test.dialogs.answers << MessageAnswer::No << MessageAnswer::Yes;
        QVERIFY(form().close());
        QCOMPARE(m_test.dialogs.questions.size(), 2);
        QVERIFY(!form().isVisible());
        const FontLib saved = test::readFont(first);
        QCOMPARE(saved.glyph(2)[0], std::uint8_t(0));
    }

    void saveWritesTheActiveFont()
    {
        const QString file = fontFile("a.pix");
        TMDIChild* child = openThroughTheMenu(file);
        QVERIFY(child);
        child->gridFontLib().selectCells({ 4, 1, 4, 1 });
        child->spdUpdateClick();
        idle();
        actions().FileSave1->trigger();
        QVERIFY(!child->history().modified());
        QVERIFY(m_test.dialogs.saveFilters.isEmpty());
        QCOMPARE(test::readFont(file).pixelData, child->document().fontLib().pixelData);
    }

    void saveAsAsksForTheName()
    {
        TMDIChild* child = openThroughTheMenu(fontFile("a.pix"));
        QVERIFY(child);
        m_test.dialogs.saveChoices << m_test.dir.filePath("copy");
        idle();
        actions().FileSaveAs1->trigger();
        QCOMPARE(child->fileName(), m_test.dir.filePath("copy.pix"));
        QVERIFY(QFile::exists(m_test.dir.filePath("copy.pix")));
    }

    // A name that does not exist gets a new font made under it, which Save writes there
    // as it is, without asking and without adding ".pix".
    void openingANameThatDoesNotExistMakesANewFontUnderIt()
    {
        const QString name = m_test.dir.filePath("hanzi");
        m_test.dialogs.modalAnswer = acceptNewFontFromCodes;
        TMDIChild* child = openThroughTheMenu(name);
        QVERIFY(child);
        QCOMPARE(m_test.dialogs.modalDialogs, QList<QDialog*> { &form().newCommand().dialog() });
        QCOMPARE(shownTitle(*child), name + "*");
        QVERIFY(child->history().modified());
        QCOMPARE(child->document().fontLib().info.glyphCount, 62u);
        idle();
        actions().FileSave1->trigger();
        QVERIFY(m_test.dialogs.saveFilters.isEmpty());
        QVERIFY(!child->history().modified());
        QVERIFY(!QFile::exists(name + ".pix"));
        QCOMPARE(test::readFont(name).codeTable, child->document().fontLib().codeTable);
    }

    void fontsGivenOnTheCommandLineOpenEachInAWindow()
    {
        const QString a = fontFile("a.pix", 40);
        const QString b = fontFile("b.pix", 7);
        const QString missing = m_test.dir.filePath("missing.pix");
        QDir::setCurrent(m_test.dir.path());
        m_test.program->openFontFiles({ "a.pix", missing, b, a });
        const QList<TMDIChild*> windows = form().childWindows();
        QCOMPARE(windows.size(), 2);
        QCOMPARE(windows[0]->fileName(), a);
        QCOMPARE(windows[0]->document().fontLib().info.glyphCount, 40u);
        QCOMPARE(windows[1]->fileName(), b);
        QCOMPARE(windows[1]->document().fontLib().info.glyphCount, 7u);
        QCOMPARE(form().activeChild(), windows[0]);
        QCOMPARE(m_test.dialogs.warned,
            QStringList { "Cannot open file " + missing + ": there is no such file" });
        QVERIFY(!QFile::exists(missing));
    }

    void cancelledNewFontForANameThatDoesNotExistClosesItsWindow()
    {
        m_test.dialogs.modalAnswer = [](QDialog&) { return int(QDialog::Rejected); };
        QVERIFY(!openThroughTheMenu(m_test.dir.filePath("never")));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(form().childWindows().isEmpty());
        QVERIFY(!QFile::exists(m_test.dir.filePath("never")));
    }

    void helpLooksForThePageBesideTheProgram()
    {
        // The tests' folder holds no manual.
        actions().HelpHelp1->trigger();
        QVERIFY(m_test.dialogs.openedDocuments.isEmpty());
        QCOMPARE(m_test.dialogs.warned,
            QStringList { "Cannot open file "
                + QDir::toNativeSeparators(
                    QCoreApplication::applicationDirPath() + "/doc/help.html")
                + ": the help page is missing" });
    }

    void keysReachTheNewWindowAtOnce_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("probe");
        QTest::newRow("New, then Save") << "new" << int(Qt::Key_S);
        QTest::newRow("Open, then Export") << "open" << int(Qt::Key_P);
        QTest::newRow("Open of a new name, then Export") << "open new" << int(Qt::Key_P);
        QTest::newRow("Import, then Save") << "import" << int(Qt::Key_S);
    }

    // Keys typed through the event loop: the window that comes up holds the focus in its
    // grid, so that the next shortcut works at once and asks for a file name.
    void keysReachTheNewWindowAtOnce()
    {
        QFETCH(QString, how);
        QFETCH(int, probe);
        m_test.dialogs.modalAnswer = acceptNewFontFromCodes;
        QVERIFY(QTest::qWaitForWindowActive(&form()));
        if (how == "new") {
            QTest::keyClick(&form(), Qt::Key_N, Qt::ControlModifier);
        } else if (how == "import") {
            const QString file = m_test.dir.filePath("font.bdf");
            QVERIFY(exportFontFile(test::localPath(file), test::numberedFont(8, 8, 3), {}));
            m_test.dialogs.openChoices << file;
            actions().FileImport1->trigger();
        } else {
            m_test.dialogs.openChoices
                << (how == "open" ? fontFile("a.pix") : m_test.dir.filePath("new"));
            QTest::keyClick(&form(), Qt::Key_O, Qt::ControlModifier);
        }
        idle();
        TMDIChild* child = form().activeChild();
        QVERIFY(child && child->document().fontReady);
        QCOMPARE(QApplication::activeWindow(), &form());
        QCOMPARE(QApplication::focusWidget(), &child->gridFontLib());
        m_test.dialogs.saveChoices << QString();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(probe), Qt::ControlModifier);
        QCOMPARE(m_test.dialogs.saveFilters.size(), 1);
    }

    void theWindowInUseStaysActive_data()
    {
        QTest::addColumn<bool>("cancelledNew");
        QTest::newRow("Open of a file that is no font") << false;
        QTest::newRow("New cancelled") << true;
    }

    void theWindowInUseStaysActive()
    {
        QFETCH(bool, cancelledNew);
        QVERIFY(openThroughTheMenu(fontFile("a.pix")));
        TMDIChild* inUse = openThroughTheMenu(fontFile("b.pix"));
        QVERIFY(openThroughTheMenu(fontFile("c.pix")));
        activateSubWindow(form().mdiArea(), *inUse);
        if (cancelledNew) {
            m_test.dialogs.modalAnswer = [](QDialog&) { return int(QDialog::Rejected); };
            actions().FileNew1->trigger();
        } else {
            const QString file = m_test.dir.filePath("bad.pix");
            QVERIFY(test::writeBytes(file, "no font"));
            m_test.dialogs.openChoices << file;
            actions().FileOpen1->trigger();
            QCOMPARE(m_test.dialogs.informed.size(), 1);
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        idle();
        QCOMPARE(form().childWindows().size(), 3);
        QCOMPARE(form().activeChild(), inUse);
        QCOMPARE(QApplication::focusWidget(), &inUse->gridFontLib());
    }

    // The title bar, the main window's while the font's window is maximised, and the Window
    // list show "*" after the name while the font has changes that are not saved.
    void unsavedChangesAreMarkedInTheTitles()
    {
        const QString file = fontFile("a.pix");
        TMDIChild* child = openThroughTheMenu(file);
        QVERIFY(child);
        QCOMPARE(shownTitle(*child), file);
        QCOMPARE(firstListedWindow(), "&1 " + file);
        child->showMaximized();
        child->gridFontLib().selectCells({ 2, 1, 2, 1 });
        idle();
        actions().GlyphClear1->trigger();
        QCOMPARE(shownTitle(*child), file + "*");
        QCOMPARE(firstListedWindow(), "&1 " + file + "*");
        QCOMPARE(shownTitle(form()), "Tessellon - [" + file + "*]");
        actions().FileSave1->trigger();
        QCOMPARE(shownTitle(*child), file);
        QCOMPARE(firstListedWindow(), "&1 " + file);
        QCOMPARE(shownTitle(form()), "Tessellon - [" + file + "]");
    }

    void windowMenuListsTheOpenWindows()
    {
        const QString first = fontFile("a.pix");
        const QString second = fontFile("b.pix");
        TMDIChild* a = openThroughTheMenu(first);
        TMDIChild* b = openThroughTheMenu(second);
        QVERIFY(a && b);
        form().windowList().refresh();
        QStringList entries;
        QAction* firstEntry = nullptr;
        for (QAction* action : form().windowMenu().actions()) {
            if (action->text().startsWith('&') && action->isCheckable()) {
                entries << action->text() + (action->isChecked() ? " *" : "");
                firstEntry = firstEntry ? firstEntry : action;
            }
        }
        QCOMPARE(entries, QStringList({ "&1 " + first, "&2 " + second + " *" }));
        firstEntry->trigger();
        QCOMPARE(form().activeChild(), a);
        form().windowList().refresh();
        form().windowList().refresh();
        int listed = 0;
        for (QAction* action : form().windowMenu().actions()) {
            listed += action->isCheckable() ? 1 : 0;
        }
        QCOMPARE(listed, 2);
    }

    void boundControllerActsOnTheActiveWindowAndFollowsItsUpdate()
    {
        QList<TMDIChild*> executedOn;
        auto* action = new QAction("Command", &form());
        form().commands().bind(
            action, std::make_unique<RecordingCommand>(form().context(), executedOn));
        idle();
        QVERIFY(!action->isEnabled());
        TMDIChild* child = openThroughTheMenu(fontFile("a.pix"));
        QVERIFY(child);
        idle();
        QVERIFY(action->isEnabled());
        action->trigger();
        QCOMPARE(executedOn, QList<TMDIChild*> { child });
    }

    void undoAndRedoFollowTheActiveWindowsHistory()
    {
        const MainActions& a = actions();
        idle();
        QVERIFY(!a.EditUndo1->isEnabled() && !a.EditRedo1->isEnabled());
        TMDIChild* first = openThroughTheMenu(fontFile("a.pix"));
        idle();
        QVERIFY(!a.EditUndo1->isEnabled());
        first->gridFontLib().selectCells({ 2, 1, 2, 1 });
        a.GlyphClear1->trigger();
        QCOMPARE(first->document().fontLib().glyph(2)[0], std::uint8_t(0));
        idle();
        QVERIFY(a.EditUndo1->isEnabled());
        QVERIFY(!a.EditRedo1->isEnabled());

        TMDIChild* second = openThroughTheMenu(fontFile("b.pix"));
        idle();
        QVERIFY2(!a.EditUndo1->isEnabled(), "each window has a history of its own");
        activateSubWindow(form().mdiArea(), *first);
        idle();
        a.EditUndo1->trigger();
        QCOMPARE(first->document().fontLib().pixelData, test::numberedFont(8, 8, 40).pixelData);
        QVERIFY(!first->history().modified());
        idle();
        QVERIFY(a.EditRedo1->isEnabled());
        a.EditRedo1->trigger();
        QCOMPARE(first->document().fontLib().glyph(2)[0], std::uint8_t(0));
        QVERIFY(!second->history().modified());
    }

    void baselineEntrySetsTheBaselineAsAStep()
    {
        TMDIChild* child = openThroughTheMenu(fontFile("a.pix"));
        QVERIFY(child);
        QAction& baseline = *actions().GlyphBaseline1;
        idle();
        QVERIFY(baseline.isEnabled());
        const std::optional<int> before = child->document().fontLib().baseline;
        QVERIFY(before != std::optional<int>(6));
        child->showTextPreview(true);
        int asked = -1;
        m_test.dialogs.modalAnswer = [&asked](QDialog& dialog) {
            QSpinBox& rows = static_cast<DlgBaseline&>(dialog).spnRows();
            asked = rows.value();
            rows.setValue(6);
            return int(QDialog::Accepted);
        };
        baseline.trigger();
        QCOMPARE(asked, before.value_or(8)); // unknown: the cell's bottom
        QCOMPARE(child->document().fontLib().baseline, std::optional<int>(6));
        QVERIFY(child->history().modified());
        QVERIFY(child->isWindowModified());
        QCOMPARE(child->textPreview().view().guideRows().front(), 6);
        idle();
        actions().EditUndo1->trigger();
        QCOMPARE(child->document().fontLib().baseline, before);
        QVERIFY(!child->history().modified());
        QCOMPARE(child->textPreview().view().guideRows().front(), before.value_or(8));
        idle();
        actions().EditRedo1->trigger();
        QCOMPARE(child->document().fontLib().baseline, std::optional<int>(6));
        QVERIFY(child->SaveFontLib(false));
        QCOMPARE(test::readFont(child->fileName()).baseline, std::optional<int>(6));
        m_test.dialogs.modalAnswer = [](QDialog&) { return int(QDialog::Rejected); };
        baseline.trigger();
        QVERIFY(!child->history().modified());
    }

    void glyphAndViewCommandsNeedAWindow()
    {
        const MainActions& a = actions();
        const QList<QAction*> needWindow = { a.GlyphShiftUp1, a.GlyphShiftDown1, a.GlyphShiftLeft1,
            a.GlyphShiftRight1, a.GlyphFlipHorizontally1, a.GlyphFlipVertically1, a.GlyphInvert1,
            a.GlyphClear1, a.GlyphBold1, a.ViewZoomIn1, a.ViewZoomOut1, a.ViewGridLarger1 };
        idle();
        for (QAction* action : needWindow) {
            QVERIFY2(!action->isEnabled(), qPrintable(action->objectName()));
        }
        QVERIFY(a.ViewTextPreview1->isEnabled());
        TMDIChild* child = openThroughTheMenu(fontFile("a.pix"));
        idle();
        for (QAction* action : needWindow) {
            QVERIFY2(action->isEnabled(), qPrintable(action->objectName()));
        }
        QVERIFY2(!a.ViewGridSmaller1->isEnabled(), "the grid is at 1x already");
        a.ViewZoomIn1->trigger();
        QCOMPARE(child->editorState().zoom, 12);
        a.ViewGridLarger1->trigger();
        QCOMPARE(child->gridFontLib().scale(), 2);
        child->gridFontLib().selectionModel()->clearSelection();
        idle();
        QVERIFY2(!a.GlyphInvert1->isEnabled(), "no glyph selected");
    }

    void textPreviewIsShownInEveryWindowAndRemembered()
    {
        QAction* preview = actions().ViewTextPreview1;
        TMDIChild* first = openThroughTheMenu(fontFile("a.pix"));
        QVERIFY(!first->textPreview().isVisible());
        preview->trigger();
        QVERIFY(preview->isChecked());
        QVERIFY(first->textPreview().isVisible());
        first->textPreview().textField().setText("carried over");

        TMDIChild* second = openThroughTheMenu(fontFile("b.pix"));
        QVERIFY(second->textPreview().isVisible());
        QCOMPARE(second->textPreview().textField().text(), QString("carried over"));
        preview->trigger();
        QVERIFY(!preview->isChecked());
        QVERIFY(!first->textPreview().isVisible());
        QVERIFY(!second->textPreview().isVisible());
        TMDIChild* third = openThroughTheMenu(fontFile("c.pix"));
        QVERIFY(third->textPreview().isHidden());
    }

    void commandsSeeTheProgramsDialogs()
    {
        const ProgramForms& forms = form().context().forms;
        QCOMPARE(&forms.AboutBox, &m_test.program->AboutBox());
        QCOMPARE(&forms.DlgExportLib, &m_test.program->DlgExportLib());
        QCOMPARE(&form().context().dialogs, static_cast<UserDialogs*>(&m_test.dialogs));
        QCOMPARE(form().context().windows.frameWindow(), static_cast<QWidget*>(&form()));
    }

    void minimisedWindowComesBackFromTheWindowList()
    {
        TMDIChild* a = openThroughTheMenu(fontFile("a.pix"));
        TMDIChild* b = openThroughTheMenu(fontFile("b.pix"));
        QVERIFY(a && b);
        a->showMinimized();
        QVERIFY(a->isMinimized());
        form().windowList().refresh();
        for (QAction* entry : form().windowMenu().actions()) {
            if (entry->isCheckable() && entry->text().endsWith("a.pix")) {
                entry->trigger();
            }
        }
        QCOMPARE(form().activeChild(), a);
        QVERIFY(!a->isMinimized());
        QVERIFY(a->isVisible());
    }

    void openingTheFileOfAMinimisedWindowRestoresIt()
    {
        const QString file = fontFile("a.pix");
        TMDIChild* a = openThroughTheMenu(file);
        QVERIFY(openThroughTheMenu(fontFile("b.pix")));
        minimizeAll(form().mdiArea());
        QVERIFY(a->isMinimized());
        QCOMPARE(openThroughTheMenu(file), a);
        QCOMPARE(form().activeChild(), a);
        QVERIFY(!a->isMinimized());
    }

    void statusPanelsFollowTheActiveWindow()
    {
        TMDIChild* a = openThroughTheMenu(fontFile("a.pix"));
        QVERIFY(a);
        a->gridFontLib().selectCells({ 5, 1, 5, 1 });
        a->imgEdit().imgEditMouseMove(Qt::NoButton, 35, 72);
        QCOMPARE(panel(1), QString("07,03"));

        TMDIChild* b = openThroughTheMenu(fontFile("b.pix", 40, false));
        QVERIFY(b);
        b->gridFontLib().selectCells({ 9, 1, 9, 1 });
        QCOMPARE(panel(3), QString("Index:9"));
        QCOMPARE(panel(2), QString());
        QCOMPARE(panel(1), QString());

        form().mdiArea().setActiveSubWindow(a);
        QCOMPARE(panel(3), QString("Index:5"));
        QCOMPARE(panel(2), QString("Unicode:0046"));
        QCOMPARE(panel(1), QString());

        form().mdiArea().setActiveSubWindow(b);
        QCOMPARE(panel(3), QString("Index:9"));
        QCOMPARE(panel(2), QString());
    }

    void statusPanelsEmptyWhenNoWindowIsLeft()
    {
        TMDIChild* a = openThroughTheMenu(fontFile("a.pix"));
        TMDIChild* b = openThroughTheMenu(fontFile("b.pix"));
        QVERIFY(a && b);
        a->gridFontLib().selectCells({ 3, 1, 3, 1 });
        b->gridFontLib().selectCells({ 2, 2, 2, 2 });
        b->imgEdit().imgEditMouseMove(Qt::NoButton, 35, 72);
        QVERIFY(!panel(1).isEmpty());
        b->close();
        QCOMPARE(panel(3), QString("Index:3"));
        QCOMPARE(panel(1), QString());
        a->close();
        QTRY_VERIFY(form().childWindows().isEmpty());
        for (int index = 1; index <= 3; ++index) {
            QVERIFY2(panel(index).isEmpty(), qPrintable(panel(index)));
        }
        QCOMPARE(panel(0), QString("test"));
    }
};

QTEST_MAIN(MainFormTest)
#include "MainForm_test.moc"
