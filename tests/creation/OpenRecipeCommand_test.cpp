#include "creation/DlgProgress.h"
#include "creation/NewFontSetUp.h"
#include "creation/OpenRecipeCommand.h"
#include "editor/FontHistory.h"
#include "editor/MDIChild.h"
#include "editor/WindowCaption.h"
#include "gui/FileFilter.h"
#include "recipe/RecipeFontMaking.h"
#include "recipe/RecipeParser.h"
#include "shell/MainActions.h"
#include "support/FontBuilders.h"
#include "support/ProgramUnderTest.h"
#include "support/TestFonts.h"

#include <QAction>
#include <QtTest>

using namespace tessellon;

namespace {

// The font of a recipe made by build's own function, drawn on this thread.
FontLib fontBuildMakes(const QString& recipePath)
{
    const auto recipe = readRecipeFile(test::localPath(recipePath), {});
    std::vector<std::string> warnings;
    auto made = makeRecipeFont(
        *recipe, false,
        [](NewFontDrawing& drawing) {
            CreateFontRun run;
            run.answerOnPost([] {});
            return drawNewFont(drawing, 1, run);
        },
        warnings);
    return made ? std::move(made->font) : FontLib {};
}

} // namespace

// File > Open Recipe... makes the font as build does and shows it unsaved in a new window.
class OpenRecipeCommandTest : public QObject {
    Q_OBJECT

    test::ProgramUnderTest m_test;
    int m_progressShown = 0;

    // A recipe of the font text describes, with one output (which opening does not write).
    QString writeRecipe(const QString& name, const QByteArray& text)
    {
        const QString path = m_test.dir.filePath(name);
        return test::writeBytes(path, text + "[output]\nfile = font.c\n") ? path : QString();
    }

    TMDIChild* openRecipe(const QString& path)
    {
        const int windows = m_test.form().childWindows().size();
        m_test.dialogs.openChoices << path;
        m_test.form().actions().FileOpenRecipe1->trigger();
        return m_test.form().childWindows().size() > windows ? m_test.form().activeChild()
                                                             : nullptr;
    }

public:
    bool eventFilter(QObject* object, QEvent* event) override
    {
        if (event->type() == QEvent::Show && qobject_cast<TdlgProgress*>(object)) {
            ++m_progressShown;
        }
        return false;
    }

private slots:
    void init()
    {
        QVERIFY(m_test.start());
        m_progressShown = 0;
        qApp->installEventFilter(this);
    }

    void cleanup()
    {
        qApp->removeEventFilter(this);
        QCOMPARE(m_test.stop(), 0);
    }

    // Drawn from the TrueType font while the progress dialog runs, the overlay's glyph laid
    // over the drawn one; named after the overlay, which Save writes.
    void outlineFontIsDrawnAndNamedAfterItsOverlay()
    {
        FontLib edits = test::numberedFont(12, 16, 1);
        (*edits.codeTable)[0] = 'B';
        QVERIFY(test::writeFont(m_test.dir.filePath("edits.pix"), edits));
        const QString recipe = writeRecipe("ui.tfont",
            "font = /usr/share/fonts/truetype/dejavu/DejaVuSansMono.ttf\nsize = 14\n"
            "cell = 12x16\noffset = 1,-1\nranges = 41-43\noverlay = edits.pix\n");
        TMDIChild* child = openRecipe(recipe);
        QVERIFY2(child, qPrintable(m_test.dialogs.warned.join('\n')));
        QCOMPARE(m_progressShown, 1);
        QCOMPARE(shownTitle(*child), m_test.dir.filePath("edits.pix") + "*");
        QVERIFY(!child->isUntitled());
        QVERIFY(child->history().modified());
        const FontLib& font = child->document().fontLib();
        QCOMPARE(*font.codeTable, (std::vector<std::uint16_t> { 'A', 'B', 'C' }));
        QVERIFY(font.pixelData == fontBuildMakes(recipe).pixelData);
        const auto b = font.glyph(1);
        QVERIFY(std::equal(b.begin(), b.end(), edits.pixelData.begin(), edits.pixelData.end()));
        QVERIFY(m_test.dialogs.warned.isEmpty());
        QVERIFY(!QFile::exists(m_test.dir.filePath("font.c")));
    }

    // A bitmap font is read, without the progress dialog; without an overlay the window is
    // untitled, named after the recipe.
    void bitmapFontIsReadIntoAnUntitledWindow()
    {
        const FontLib source = test::numberedFont(8, 8, 3);
        QVERIFY(test::writeFont(m_test.dir.filePath("source.pix"), source));
        TMDIChild* child = openRecipe(writeRecipe("small.tfont", "font = source.pix\n"));
        QVERIFY2(child, qPrintable(m_test.dialogs.warned.join('\n')));
        QCOMPARE(m_progressShown, 0);
        QCOMPARE(m_test.dialogs.openFilters.size(), 1);
        QCOMPARE(qtFileFilter(m_test.dialogs.openFilters[0]), QString("Font recipes (*.tfont)"));
        QCOMPARE(child->fileName(), m_test.dir.filePath("small.pix"));
        QVERIFY(child->isUntitled());
        QVERIFY(child->document().fontLib().pixelData == source.pixelData);
    }

    void badRecipeIsRefusedWithFileLineAndReason()
    {
        QVERIFY(test::writeFont(m_test.dir.filePath("source.pix"), test::numberedFont(8, 8, 3)));
        const QString recipe = writeRecipe("bad.tfont", "font = source.pix\ncolour = red\n");
        QVERIFY(!openRecipe(recipe));
        QCOMPARE(m_test.dialogs.warned.size(), 1);
        QVERIFY2(m_test.dialogs.warned[0].contains("bad.tfont:2: unknown key 'colour'"),
            qPrintable(m_test.dialogs.warned[0]));
        QVERIFY(m_test.form().childWindows().isEmpty());
    }
};

QTEST_MAIN(OpenRecipeCommandTest)
#include "OpenRecipeCommand_test.moc"
