#include "creation/DlgNewFont.h"
#include "creation/DlgProgress.h"
#include "creation/GlyphDrawing.h"
#include "creation/GlyphRenderer.h"
#include "creation/NewCommand.h"
#include "creation/UnicodeRangeGrid.h"
#include "creation/UnicodeRangeModel.h"
#include "editor/GlyphGrid.h"
#include "editor/MDIChild.h"
#include "editor/WindowCaption.h"
#include "recipe/RecipeParser.h"
#include "shell/MainActions.h"
#include "shell/MainForm.h"
#include "shell/Program.h"
#include "support/ProgramUnderTest.h"
#include "support/TestFonts.h"
#include "support/WindowChanges.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>

using namespace tessellon;

namespace {

// Runs a function on the progress dialog as soon as it is shown, through the event loop,
// as a user acts on it.
class OnProgressShown final : public QObject {
public:
    OnProgressShown(TdlgProgress& dialog, std::function<void()> act)
        : m_act(std::move(act))
    {
        dialog.installEventFilter(this);
    }

    int shown = 0;

    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Show) {
            ++shown;
            QTimer::singleShot(0, this, m_act);
        }
        return false;
    }

private:
    std::function<void()> m_act;
};

int blankGlyphsWithCodeZero(const FontLib& font)
{
    int blank = 0;
    for (std::uint32_t k = 0; k < font.info.glyphCount; ++k) {
        const auto bytes = font.glyph(k);
        const bool empty = std::all_of(bytes.begin(), bytes.end(), [](auto b) { return b == 0; });
        blank += empty && (*font.codeTable)[k] == 0 ? 1 : 0;
    }
    return blank;
}

} // namespace

class NewCommandTest : public QObject {
    Q_OBJECT

    test::ProgramUnderTest m_test;

    TMainForm& form() { return m_test.form(); }
    TDlgNewFont& newFontDialog() { return form().newCommand().dialog(); }
    TdlgProgress& progressDialog() { return form().newCommand().progress(); }

    TMDIChild* triggerNew()
    {
        form().actions().FileNew1->trigger();
        return form().activeChild();
    }

    // The user's part in the new-font dialog: change what set does, then press OK.
    void answerNewFontDialog(std::function<void(TDlgNewFont&)> set = {})
    {
        m_test.dialogs.modalAnswer = [set](QDialog& dialog) {
            auto* newFont = qobject_cast<TDlgNewFont*>(&dialog);
            if (!newFont) {
                return int(QDialog::Rejected);
            }
            if (set) {
                set(*newFont);
            }
            newFont->OKBtn().click();
            return newFont->result();
        };
    }

    static void chooseRanges(TDlgNewFont& dialog, const QList<QPair<QString, QString>>& ranges)
    {
        dialog.RadioFromcode().click();
        auto& model = static_cast<UnicodeRangeModel&>(*dialog.gridUnicode().model());
        for (int row = 0; row < ranges.size(); ++row) {
            model.setData(model.index(row, 0), ranges[row].first);
            model.setData(model.index(row, 1), ranges[row].second);
        }
    }

    static void waitForDeletions()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

private slots:
    void init()
    {
        QVERIFY(m_test.start(QSize(1000, 700)));
        newFontDialog().setDataFolder(m_test.dir.path().toStdString());
        QDir(m_test.dir.path()).mkpath("txt");
        QVERIFY(test::writeBytes(m_test.dir.filePath("txt/abc.txt"), "abc"));
    }

    void cleanup() { QCOMPARE(m_test.stop(), 0); }

    void newIsAlwaysEnabled()
    {
        QEventLoop loop;
        QTimer::singleShot(20, &loop, &QEventLoop::quit);
        loop.exec();
        QVERIFY(form().actions().FileNew1->isEnabled());
    }

    void defaultRangesGiveSixtyTwoGlyphsInTwoGridRows()
    {
        answerNewFontDialog([](TDlgNewFont& dialog) { dialog.RadioFromcode().click(); });
        TMDIChild* child = triggerNew();
        QVERIFY(child);
        QCOMPARE(m_test.dialogs.modalDialogs, QList<QDialog*> { &newFontDialog() });
        // A new font has changes that are not saved.
        QCOMPARE(shownTitle(*child), QString("NONAME1*"));
        QCOMPARE(child->fileName(), QString("NONAME1"));
        const FontDocument& document = child->document();
        QVERIFY(document.fontReady);
        QVERIFY(child->history().modified());
        QCOMPARE(document.fontLib().info.glyphCount, 62u);
        QCOMPARE(int(document.fontLib().info.codeTableFlag), 1);
        QCOMPARE(document.glyphWidth(), 16);
        QCOMPARE(document.glyphHeight(), 16);
        QCOMPARE(*document.fontLib().codeTable, UnicodeRangeGrid().codes());
        QCOMPARE(child->gridFontLib().model()->rowCount(), 2); // glyph rows under the header
        QCOMPARE(blankGlyphsWithCodeZero(document.fontLib()), 0);
        QVERIFY(!progressDialog().isVisible());
        QVERIFY(!child->isMakingFont());
        QVERIFY(m_test.dialogs.warned.isEmpty());
    }

    void fontIsDrawnWithTheDialogsSizeOffsetAndFont()
    {
        answerNewFontDialog([](TDlgNewFont& dialog) {
            chooseRanges(dialog, { { "41", "42" }, { "", "" }, { "", "" } });
            dialog.txtWidth().setCurrentText("12");
            dialog.txtHeight().setCurrentText("20");
            dialog.txtOffsetX().setCurrentText("-3");
            dialog.txtOffsetY().setCurrentText("2");
        });
        TMDIChild* child = triggerNew();
        QVERIFY(child);
        const FontLib& font = child->document().fontLib();
        QCOMPARE(font.info.glyphCount, 2u);
        QCOMPARE(int(font.info.glyphWidth), 12);
        QCOMPARE(int(font.info.glyphHeight), 20);
        GlyphRenderer renderer;
        std::vector<std::uint8_t> expected(font.glyphBytes(), 0);
        renderer.BeginRender(newFontDialog().glyphFont(), 12, 20, -3, 2);
        renderer.RenderGlyph(expected, 0x42);
        const auto made = font.glyph(1);
        QCOMPARE(std::vector<std::uint8_t>(made.begin(), made.end()), expected);
        QCOMPARE(font.baseline, GlyphRenderer::cellBaseline(newFontDialog().glyphFont(), 20, 2));
    }

    // The glyphs are drawn in the hinting style chosen in the dialog.
    void fontIsDrawnInTheDialogsHintingStyle()
    {
        QFont font("DejaVu Sans");
        font.setPixelSize(12);
        if (QFontInfo(font).family() != font.family()) {
            QSKIP("the font is not installed");
        }
        answerNewFontDialog([font](TDlgNewFont& dialog) {
            chooseRanges(dialog, { { "61", "62" }, { "", "" }, { "", "" } });
            dialog.txtPreview().setFont(font);
            dialog.txtWidth().setCurrentText("12");
            dialog.txtHeight().setCurrentText("15");
            dialog.cboHinting().setCurrentIndex(int(HintingStyle::AutoHinter));
        });
        TMDIChild* child = triggerNew();
        QVERIFY(child);
        const FontLib& made = child->document().fontLib();
        QCOMPARE(made.info.glyphCount, 2u);
        auto drawer = openGlyphDrawer(
            GlyphDrawingParams { font, {}, 12, 15, 0, 0, HintingStyle::AutoHinter });
        QVERIFY2(drawer.ok(), drawer.message().c_str());
        for (std::uint32_t k = 0; k < 2; ++k) {
            std::vector<std::uint8_t> expected(made.glyphBytes(), 0);
            (*drawer)->drawCharacter(U'a' + k, expected);
            const auto glyph = made.glyph(k);
            QCOMPARE(std::vector<std::uint8_t>(glyph.begin(), glyph.end()), expected);
        }
    }

    void cancelInTheProgressDialogAtOnceLeavesNearlyEveryGlyphBlank()
    {
        answerNewFontDialog([](TDlgNewFont& dialog) {
            chooseRanges(dialog, { { "4E00", "9FA5" }, { "", "" }, { "", "" } });
        });
        TdlgProgress& progress = progressDialog();
        OnProgressShown cancel(progress, [&progress] { progress.CancelBtn().click(); });
        TMDIChild* child = triggerNew();
        QVERIFY(child);
        QCOMPARE(cancel.shown, 1);
        QVERIFY(!progress.workerFinished());
        const FontDocument& document = child->document();
        QCOMPARE(document.fontLib().info.glyphCount, 20902u);
        QVERIFY(document.fontReady);
        QVERIFY(child->history().modified());
        QVERIFY(blankGlyphsWithCodeZero(document.fontLib()) > 20000);
        QCOMPARE(child->gridFontLib().model()->rowCount(), (20902 + 31) / 32);
    }

    void widthThatIsNoNumberLeavesTheWindowWithoutAFont_data()
    {
        QTest::addColumn<QString>("width");
        QTest::addColumn<QString>("height");
        QTest::addColumn<QString>("offsetX");
        QTest::addColumn<QString>("message");
        QTest::newRow("abc") << "abc"
                             << "16"
                             << "0"
                             << "Width must be a number from 1 to 256, not 'abc'.";
        QTest::newRow("empty height") << "16"
                                      << ""
                                      << "0"
                                      << "Height must be a number from 1 to 256, not ''.";
        QTest::newRow("width 300") << "300"
                                   << "16"
                                   << "0"
                                   << "Width must be a number from 1 to 256, not 300.";
        QTest::newRow("height 0") << "16"
                                  << "0"
                                  << "0"
                                  << "Height must be a number from 1 to 256, not 0.";
        QTest::newRow("offset x -300") << "16"
                                       << "16"
                                       << "-300"
                                       << "Offset x must be a number from -256 to 256, not -300.";
    }

    // The dialog lets no such number through OK; a dialog ended with OK otherwise is
    // checked all the same.
    void widthThatIsNoNumberLeavesTheWindowWithoutAFont()
    {
        QFETCH(QString, width);
        QFETCH(QString, height);
        QFETCH(QString, offsetX);
        QFETCH(QString, message);
        m_test.dialogs.modalAnswer = [=](QDialog& dialog) {
            auto& newFont = static_cast<TDlgNewFont&>(dialog);
            newFont.RadioFromcode().click();
            newFont.txtWidth().setCurrentText(width);
            newFont.txtHeight().setCurrentText(height);
            newFont.txtOffsetX().setCurrentText(offsetX);
            return int(QDialog::Accepted);
        };
        OnProgressShown progressShown(progressDialog(), [] {});
        TMDIChild* child = triggerNew();
        QVERIFY(child);
        QCOMPARE(m_test.dialogs.warned, QStringList { message });
        QCOMPARE(shownTitle(*child), QString("NONAME1"));
        QVERIFY(!child->document().fontReady);
        QVERIFY(!child->history().modified());
        QCOMPARE(child->document().fontLib().info.glyphCount, 0u);
        QCOMPARE(progressShown.shown, 0);
        QCOMPARE(form().childWindows().size(), 1);
    }

    void cancelInTheNewFontDialogClosesTheWindow()
    {
        m_test.dialogs.modalAnswer = [](QDialog&) { return int(QDialog::Rejected); };
        QVERIFY(!triggerNew());
        waitForDeletions();
        QVERIFY(form().childWindows().isEmpty());
        QVERIFY(m_test.dialogs.questions.isEmpty());
    }

    void newWithTwoWindowsOpenGivesNonameThree()
    {
        answerNewFontDialog([](TDlgNewFont& dialog) { dialog.RadioFromcode().click(); });
        QCOMPARE(triggerNew()->fileName(), QString("NONAME1"));
        QCOMPARE(triggerNew()->fileName(), QString("NONAME2"));
        QCOMPARE(triggerNew()->fileName(), QString("NONAME3"));
        // After one of three is closed, the next is NONAME3 again.
        m_test.dialogs.answers << MessageAnswer::No;
        form().childWindows().first()->close();
        waitForDeletions();
        QCOMPARE(form().childWindows().size(), 2);
        QCOMPARE(triggerNew()->fileName(), QString("NONAME3"));
    }

    void textFileSourceMakesOneGlyphPerByte()
    {
        answerNewFontDialog([](TDlgNewFont& dialog) {
            dialog.show();
            dialog.hide();
        });
        TMDIChild* child = triggerNew();
        QVERIFY(child);
        QCOMPARE(
            *child->document().fontLib().codeTable, (std::vector<std::uint16_t> { 'a', 'b', 'c' }));
    }

    void unreadableCharacterSetGivesAnEmptyFontAndSaysWhy()
    {
        const QString file = m_test.dir.filePath("txt/abc.txt");
        answerNewFontDialog([file](TDlgNewFont& dialog) {
            dialog.show(); // lists abc.txt
            dialog.hide();
            QFile::remove(file);
        });
        OnProgressShown progressShown(progressDialog(), [] {});
        TMDIChild* child = triggerNew();
        QVERIFY(child);
        QCOMPARE(m_test.dialogs.warned.size(), 1);
        QVERIFY2(
            m_test.dialogs.warned[0].contains("abc.txt"), qPrintable(m_test.dialogs.warned[0]));
        const FontDocument& document = child->document();
        QCOMPARE(document.fontLib().info.glyphCount, 0u);
        QVERIFY(document.fontReady);
        QVERIFY(child->history().modified());
        QCOMPARE(child->gridFontLib().model()->rowCount(), 0);
        QVERIFY(!progressDialog().isVisible());
    }

    void closingTheWindowWhileItsFontIsMadeStopsTheRasteriser()
    {
        answerNewFontDialog([](TDlgNewFont& dialog) {
            chooseRanges(dialog, { { "4E00", "9FA5" }, { "", "" }, { "", "" } });
        });
        TdlgProgress& progress = progressDialog();
        QPointer<TMDIChild> making;
        OnProgressShown closeWindow(progress, [&] {
            making = form().activeChild();
            making->close();
        });
        QVERIFY(!triggerNew());
        waitForDeletions();
        QVERIFY(making.isNull());
        QVERIFY(form().childWindows().isEmpty());
        // The rasteriser ended on its own, stopped by the closing: nobody pressed Cancel.
        QVERIFY(progress.workerFinished());
        QVERIFY(!progress.isVisible());
    }

    void closingTheProgramWhileAFontIsMadeStopsTheRasteriserFirst()
    {
        answerNewFontDialog([](TDlgNewFont& dialog) {
            chooseRanges(dialog, { { "4E00", "9FA5" }, { "", "" }, { "", "" } });
        });
        TdlgProgress& progress = progressDialog();
        OnProgressShown closeProgram(progress, [this] { form().close(); });
        TMDIChild* child = triggerNew();
        QVERIFY(!form().isVisible());
        QVERIFY(child);
        // Stopped long before the end: most of the 20,902 glyphs were never drawn.
        QCOMPARE(child->document().fontLib().info.glyphCount, 20902u);
        QVERIFY(blankGlyphsWithCodeZero(child->document().fontLib()) > 20000);
        QVERIFY(!progress.isVisible());
    }

    // Save Recipe keeps what New made the active window's font from; a font opened from a
    // file has no such choices.
    void saveRecipeKeepsTheChoicesOfTheNewFont_data()
    {
        QTest::addColumn<bool>("ranges");
        QTest::addColumn<QString>("given");
        QTest::addColumn<QString>("saved");
        QTest::addColumn<int>("hinting");
        QTest::newRow("character set") << false << "set"
                                       << "set.tfont" << int(HintingStyle::System);
        QTest::newRow("ranges, name with extension, light hinting")
            << true << "r.tfont"
            << "r.tfont" << int(HintingStyle::Light);
    }

    void saveRecipeKeepsTheChoicesOfTheNewFont()
    {
        QFETCH(bool, ranges);
        QFETCH(QString, given);
        QFETCH(QString, saved);
        QFETCH(int, hinting);
        QAction& saveRecipe = *form().actions().FileSaveRecipe1;
        form().updateActions();
        QVERIFY(!saveRecipe.isEnabled());
        answerNewFontDialog([ranges, hinting](TDlgNewFont& dialog) {
            dialog.show();
            dialog.hide();
            if (ranges) {
                chooseRanges(dialog, { { "41", "43" }, { "4e00", "4E01" }, { "", "" } });
            }
            dialog.txtWidth().setCurrentText("12");
            dialog.txtOffsetY().setCurrentText("-2");
            dialog.cboHinting().setCurrentIndex(hinting);
        });
        QVERIFY(triggerNew());
        form().updateActions();
        QVERIFY(saveRecipe.isEnabled());
        m_test.dialogs.saveChoices << m_test.dir.filePath(given);
        saveRecipe.trigger();
        QCOMPARE(m_test.dialogs.saveSuggestions, QStringList { "NONAME1.tfont" });
        const auto recipe = readRecipeFile(test::localPath(m_test.dir.filePath(saved)),
            { test::localPath(m_test.dir.path()), {} });
        QVERIFY2(recipe.ok(), recipe.message().c_str());
        const QFont font = newFontDialog().glyphFont();
        QCOMPARE(QString::fromStdString(recipe->family), QFontInfo(font).family());
        QCOMPARE(recipe->pixelSize, std::optional(font.pixelSize()));
        QCOMPARE(recipe->cell, std::optional(GlyphSize { 12, 16 }));
        QCOMPARE(recipe->offset, std::optional(CellOffset { 0, -2 }));
        QCOMPARE(
            recipe->ranges, ranges ? std::optional<std::string>("41-43,4E00-4E01") : std::nullopt);
        QCOMPARE(recipe->charSet.has_value(), !ranges);
        QCOMPARE(recipe->hinting, HintingStyle(hinting));

        const QString opened = m_test.dir.filePath("opened.pix");
        QVERIFY(test::writeFont(opened, test::numberedFont(8, 8, 1)));
        QVERIFY(form().OpenOrCreate(opened));
        form().updateActions();
        QVERIFY(!saveRecipe.isEnabled());
    }

    // A recipe never replaces a font file: its name ends in .tfont, and no window keeps its
    // font in that file, under any name.
    void saveRecipeLeavesFontFilesAlone_data()
    {
        QTest::addColumn<QString>("recipeName");
        QTest::addColumn<QString>("reason");
        QTest::newRow("the font's own name") << "kept.pix"
                                             << "a recipe's name ends in .tfont";
        QTest::newRow("a link to the font") << "link.tfont"
                                            << "keeps its font in that file";
    }

    void saveRecipeLeavesFontFilesAlone()
    {
        QFETCH(QString, recipeName);
        QFETCH(QString, reason);
        answerNewFontDialog([](TDlgNewFont& dialog) {
            dialog.show();
            dialog.hide();
        });
        QVERIFY(triggerNew());
        const QString font = m_test.dir.filePath("kept.pix");
        m_test.dialogs.saveChoices << font;
        QVERIFY(form().activeChild()->SaveFontLib(true));
        QFile::remove(m_test.dir.filePath("link.tfont"));
        QVERIFY(QFile::link(font, m_test.dir.filePath("link.tfont")));
        QFile file(font);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray saved = file.readAll();
        file.close();
        m_test.dialogs.saveChoices << m_test.dir.filePath(recipeName);
        form().updateActions();
        form().actions().FileSaveRecipe1->trigger();
        QCOMPARE(m_test.dialogs.warned.size(), 1);
        QVERIFY2(m_test.dialogs.warned[0].contains(reason), qPrintable(m_test.dialogs.warned[0]));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), saved);
    }

    // Before OK the dialog says how many of the chosen characters its font lacks, as make
    // lists them: DejaVu Sans has Latin letters and no Chinese.
    void newFontDialogCountsTheCharactersItsFontLacks_data()
    {
        QTest::addColumn<QString>("ranges");
        QTest::addColumn<QString>("shown");
        QTest::newRow("all there") << "41-5A"
                                   << "";
        QTest::newRow("ten missing") << "4E00-4E09"
                                     << "10 characters not in DejaVu Sans";
        QTest::newRow("two of four") << "41-42,4E00-4E01"
                                     << "2 characters not in DejaVu Sans";
    }

    void newFontDialogCountsTheCharactersItsFontLacks()
    {
        QFETCH(QString, ranges);
        QFETCH(QString, shown);
        TDlgNewFont& dialog = newFontDialog();
        QFont font("DejaVu Sans");
        font.setPixelSize(16);
        QCOMPARE(QFontInfo(font).family(), QString("DejaVu Sans"));
        m_test.dialogs.fontChoices << font;
        dialog.show();
        dialog.cmdFontClick();
        QCoreApplication::processEvents(); // the dialog counts at the event loop's next pass
        QCOMPARE(dialog.lblMissing().text(), QString());
        QList<QPair<QString, QString>> rows;
        for (const QString& range : ranges.split(',')) {
            rows << qMakePair(range.section('-', 0, 0), range.section('-', 1, 1));
        }
        chooseRanges(dialog, rows + QList<QPair<QString, QString>> { { "", "" }, { "", "" } });
        QCoreApplication::processEvents();
        QCOMPARE(dialog.lblMissing().text(), shown);
        QCOMPARE(dialog.lblMissing().toolTip().startsWith(shown + ": U+4E00"), !shown.isEmpty());
        dialog.RadioFromtext().click();
        QCoreApplication::processEvents();
        QCOMPARE(dialog.lblMissing().text(), QString());
        dialog.hide();
    }
};

QTEST_MAIN(NewCommandTest)
#include "NewCommand_test.moc"
