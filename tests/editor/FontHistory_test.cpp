#include "document/MemoryImage.h"
#include "editor/EditBufferBar.h"
#include "editor/FontHistory.h"
#include "editor/GlyphGrid.h"
#include "editor/MDIChild.h"
#include "editor/PixelEditor.h"
#include "editor/WindowCaption.h"
#include "support/ScriptedDialogs.h"
#include "support/TestFonts.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace tessellon;

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes glyphBytes(const FontLib& font, std::uint32_t index)
{
    const auto bytes = font.glyph(index);
    return { bytes.begin(), bytes.end() };
}

// A press and a release on the picture: a stroke of one pixel.
void dot(PixelEditor& editor, QPoint at)
{
    QTest::mousePress(&editor, Qt::LeftButton, {}, at);
    QTest::mouseRelease(&editor, Qt::LeftButton, {}, at);
}

} // namespace

// Undo and redo in a font window: its glyph changes, the pixel editor's picture, and the
// modified flag that follows the saved state.
class FontHistoryTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    test::ScriptedDialogs m_dialogs;
    const FontLib m_font = test::numberedFont(8, 8, 40);

    QString path(const QString& name) const { return m_dir.filePath(name); }

    std::unique_ptr<TMDIChild> openChild(const FontLib& font)
    {
        if (!test::writeFont(path("font.pix"), font)) {
            qFatal("cannot write a test font");
        }
        auto child = std::make_unique<TMDIChild>(m_dialogs);
        child->setAttribute(Qt::WA_DeleteOnClose, false);
        if (!child->LoadFontLib(path("font.pix"))) {
            qFatal("cannot read a test font");
        }
        return child;
    }

    static const FontLib& fontOf(const TMDIChild& child) { return child.document().fontLib(); }

private slots:
    void init()
    {
        QVERIFY(m_dir.isValid());
        m_dialogs = test::ScriptedDialogs();
    }

    void cleanup() { QCOMPARE(m_dialogs.unexpected, 0); }

    void updateIsUndoneAndRedone()
    {
        const auto child = openChild(m_font);
        child->gridFontLib().selectCells({ 5, 1, 5, 1 });
        child->gridFontLibDblClick();
        child->gridFontLib().selectCells({ 6, 1, 6, 1 });
        child->spdUpdateClick();
        QCOMPARE(glyphBytes(fontOf(*child), 6), glyphBytes(m_font, 5));
        QVERIFY(child->history().modified());
        QCOMPARE(child->history().stack().undoText(), QString("Update"));

        child->undo();
        QCOMPARE(fontOf(*child).pixelData, m_font.pixelData);
        QVERIFY(!child->history().modified());
        child->redo();
        QCOMPARE(glyphBytes(fontOf(*child), 6), glyphBytes(m_font, 5));
        QVERIFY(child->history().modified());
    }

    void pasteThroughTheWindowIsOneStep()
    {
        const auto child = openChild(m_font);
        MemoryImage picture(16, 8, white);
        picture.setPixel(0, 0, black);
        picture.setPixel(15, 7, black);
        const GlyphTile tiles[] = { { 0, 0, 10 }, { 8, 0, 11 } };
        QVERIFY(child->changeGlyphs(changeFromImage(fontOf(*child), picture, tiles), "Paste"));
        QCOMPARE(glyphBytes(fontOf(*child), 10), (Bytes { 0x80, 0, 0, 0, 0, 0, 0, 0 }));
        QCOMPARE(glyphBytes(fontOf(*child), 11), (Bytes { 0, 0, 0, 0, 0, 0, 0, 0x01 }));
        QCOMPARE(child->history().stack().count(), 1);

        child->undo();
        QCOMPARE(fontOf(*child).pixelData, m_font.pixelData);
        child->redo();
        QCOMPARE(glyphBytes(fontOf(*child), 11), (Bytes { 0, 0, 0, 0, 0, 0, 0, 0x01 }));
    }

    void aTransformOfThreeSelectedGlyphsIsOneStep()
    {
        const auto child = openChild(m_font);
        child->gridFontLib().selectCells({ 2, 1, 4, 1 });
        QVERIFY(child->canTransform());
        child->transform(GlyphTransform::Invert);
        for (std::uint32_t i = 0; i < 40; ++i) {
            const bool selected = i >= 2 && i <= 4;
            for (std::size_t b = 0; b < 8; ++b) {
                const std::uint8_t expected = selected ? ~m_font.glyph(i)[b] : m_font.glyph(i)[b];
                QCOMPARE(fontOf(*child).glyph(i)[b], expected);
            }
        }
        QCOMPARE(child->history().stack().count(), 1);
        QCOMPARE(child->history().stack().undoText(), QString("Invert"));
        child->undo();
        QCOMPARE(fontOf(*child).pixelData, m_font.pixelData);
        QVERIFY(!child->history().modified());
        child->redo();
        QCOMPARE(glyphBytes(fontOf(*child), 3)[0], std::uint8_t(~m_font.glyph(3)[0]));
    }

    void aSelectionReachingPastTheLastGlyphTransformsTheGlyphsThere()
    {
        const auto child = openChild(m_font);
        child->gridFontLib().selectCells({ 6, 2, 9, 3 });
        child->transform(GlyphTransform::Clear);
        QCOMPARE(glyphBytes(fontOf(*child), 38), Bytes(8, 0));
        QCOMPARE(glyphBytes(fontOf(*child), 39), Bytes(8, 0));
        QCOMPARE(glyphBytes(fontOf(*child), 37), glyphBytes(m_font, 37));
        QCOMPARE(glyphBytes(fontOf(*child), 5), glyphBytes(m_font, 5));
    }

    void undoingToTheSavedStateClearsModifiedAndClosingAsksNothing()
    {
        const auto child = openChild(m_font);
        const QString saved = path("font.pix");
        const QString changed = saved + "*";
        child->gridFontLib().selectCells({ 3, 1, 3, 1 });
        child->spdUpdateClick();
        QCOMPARE(shownTitle(*child), changed);
        QVERIFY(child->SaveFontLib(false));
        QCOMPARE(shownTitle(*child), saved);
        child->transform(GlyphTransform::Bold);
        child->transform(GlyphTransform::ShiftUp);
        QVERIFY(child->history().modified());
        child->undo();
        QVERIFY(child->history().modified());
        QCOMPARE(shownTitle(*child), changed);
        child->undo();
        QVERIFY(!child->history().modified());
        QCOMPARE(shownTitle(*child), saved);
        child->undo();
        QVERIFY2(child->history().modified(), "before the save is not what is saved");
        QCOMPARE(shownTitle(*child), changed);
        child->redo();
        QVERIFY(!child->history().modified());
        QCOMPARE(shownTitle(*child), saved);
        QVERIFY(child->close());
        QVERIFY(m_dialogs.questions.isEmpty());
    }

    void theSavedStateReplacedByOtherStepsIsGoneForGood()
    {
        const auto child = openChild(m_font);
        child->gridFontLib().selectCells({ 3, 1, 3, 1 });
        child->transform(GlyphTransform::Invert);
        child->undo();
        QVERIFY(!child->history().modified());
        child->transform(GlyphTransform::Invert);
        child->transform(GlyphTransform::Invert);
        QCOMPARE(fontOf(*child).pixelData, m_font.pixelData);
        QVERIFY2(child->history().modified(), "the glyphs are the same, but edited twice");
        child->undo();
        child->undo();
        QVERIFY(!child->history().modified());
    }

    void aFontThatWasNeverSavedStaysModified()
    {
        TMDIChild child(m_dialogs);
        child.setFileName("NONAME1");
        child.takeFont(m_font);
        child.gridFontLib().selectCells({ 1, 1, 1, 1 });
        child.transform(GlyphTransform::Clear);
        child.undo();
        QCOMPARE(fontOf(child).pixelData, m_font.pixelData);
        QVERIFY(child.history().modified());
        child.redo();
        child.undo();
        QVERIFY(child.history().modified());
    }

    void anotherFontPutInPlaceForgetsTheSteps()
    {
        const auto child = openChild(m_font);
        child->gridFontLib().selectCells({ 1, 1, 1, 1 });
        child->transform(GlyphTransform::Clear);
        // A stroke still in progress belongs to the old font's picture as well.
        QTest::mousePress(&child->imgEdit(), Qt::LeftButton, {}, QPoint(5, 5));
        child->takeFont(test::numberedFont(12, 4, 3));
        QVERIFY(!child->history().stack().canUndo());
        QTest::mouseRelease(&child->imgEdit(), Qt::LeftButton, {}, QPoint(5, 5));
        QVERIFY(!child->history().stack().canUndo());
        child->undo();
        QCOMPARE(fontOf(*child).pixelData, test::numberedFont(12, 4, 3).pixelData);
        QCOMPARE(child->editorState().editBuffer, Bytes(12 * 4, 0));
    }

    void aChangeThatDoesNotFitIsRefusedAndIsNoStep()
    {
        const auto child = openChild(m_font);
        const GlyphChange beyond { { GlyphRun { 39, 2, Bytes(16, 0xff), {} } } };
        QVERIFY(!child->changeGlyphs(beyond, "Paste"));
        QCOMPARE(m_dialogs.warned.size(), 1);
        QVERIFY(!child->history().stack().canUndo());
        QVERIFY(!child->history().modified());
        QVERIFY(child->changeGlyphs({}, "Paste"));
        QVERIFY(!child->history().stack().canUndo());
    }

    void eachStrokeIsAStepThatLeavesTheFontAlone()
    {
        const auto child = openChild(m_font);
        PixelEditor& editor = child->imgEdit();
        const Bytes blank = child->editorState().editBuffer;
        dot(editor, QPoint(5, 5));
        QTest::mousePress(&editor, Qt::LeftButton, {}, QPoint(15, 25));
        QTest::mouseMove(&editor, QPoint(55, 25));
        QTest::mouseRelease(&editor, Qt::LeftButton, {}, QPoint(55, 25));
        QCOMPARE(child->history().stack().count(), 2);
        QCOMPARE(child->history().stack().undoText(), QString("Stroke"));
        QVERIFY(!child->history().modified());
        Bytes afterFirst = blank;
        afterFirst[0] = 1;
        child->undo();
        QCOMPARE(child->editorState().editBuffer, afterFirst);
        QCOMPARE(child->imgEdit().picture().pixelColor(35, 25), QColor(Qt::white));
        child->undo();
        QCOMPARE(child->editorState().editBuffer, blank);
        QCOMPARE(child->imgEdit().picture().pixelColor(5, 5), QColor(Qt::white));
        child->redo();
        QCOMPARE(child->editorState().editBuffer, afterFirst);
        QVERIFY(!child->history().modified());
        dot(editor, QPoint(5, 5));
        // A dot on ink changes nothing: no step, and the undone stroke can still be redone.
        QCOMPARE(child->history().stack().index(), 1);
        QVERIFY(child->history().stack().canRedo());
    }

    void strokesAndGlyphChangesShareOneHistory()
    {
        const auto child = openChild(m_font);
        child->gridFontLib().selectCells({ 7, 1, 7, 1 });
        dot(child->imgEdit(), QPoint(15, 15));
        child->spdUpdateClick();
        dot(child->imgEdit(), QPoint(25, 25));
        child->undo();
        QCOMPARE(child->editorState().editBuffer[2 * 8 + 2], std::uint8_t(0));
        QCOMPARE(fontOf(*child).glyph(7)[1], std::uint8_t(0x40));
        child->undo();
        QCOMPARE(glyphBytes(fontOf(*child), 7), glyphBytes(m_font, 7));
        QCOMPARE(child->editorState().editBuffer[1 * 8 + 1], std::uint8_t(1));
    }

    void loadingAGlyphOverAnUnwrittenPictureCanBeUndone()
    {
        const auto child = openChild(m_font);
        child->gridFontLib().selectCells({ 5, 1, 5, 1 });
        child->gridFontLibDblClick();
        dot(child->imgEdit(), QPoint(75, 75));
        const Bytes drawn = child->editorState().editBuffer;
        QVERIFY(child->editBufferBar().showsUnwritten());
        child->gridFontLib().selectCells({ 9, 1, 9, 1 });
        child->gridFontLibDblClick();
        QCOMPARE(child->editorState().editGlyph, 9u);
        QVERIFY(!child->editBufferBar().showsUnwritten());
        QCOMPARE(child->history().stack().undoText(), QString("Load Glyph 9"));
        child->undo();
        QCOMPARE(child->editorState().editBuffer, drawn);
        QCOMPARE(child->editorState().editGlyph, 5u);
        QVERIFY(child->editBufferBar().showsUnwritten());
        QCOMPARE(child->imgEdit().picture().pixelColor(75, 75), QColor(Qt::black));
    }

    void theGlyphMenuActsOnThePictureWhenTheEditorHasTheFocus()
    {
        const auto child = openChild(m_font);
        child->show();
        QVERIFY(QTest::qWaitForWindowActive(child.get()));
        child->gridFontLib().selectCells({ 5, 1, 5, 1 });
        child->gridFontLibDblClick();
        child->imgEdit().setFocus();
        QVERIFY(child->editorHasFocus());
        const Bytes picture = child->editorState().editBuffer;
        child->transform(GlyphTransform::FlipVertically);
        QCOMPARE(fontOf(*child).pixelData, m_font.pixelData);
        for (int y = 0; y < 8; ++y) {
            for (int x = 0; x < 8; ++x) {
                QCOMPARE(child->editorState().editBuffer[y * 8 + x], picture[(7 - y) * 8 + x]);
            }
        }
        QCOMPARE(child->imgEdit().picture().pixelColor(15, 5), QColor(Qt::white));
        QCOMPARE(child->imgEdit().picture().pixelColor(15, 75), QColor(Qt::black));
        child->undo();
        QCOMPARE(child->editorState().editBuffer, picture);

        QTest::keyClick(&child->imgEdit(), Qt::Key_Right, Qt::ShiftModifier);
        QCOMPARE(child->history().stack().undoText(), QString("Shift Right"));
        // Glyph 5's first row has ink at x 1 and 2.
        QCOMPARE(child->editorState().editBuffer[2], std::uint8_t(1));
        QCOMPARE(child->editorState().editBuffer[3], std::uint8_t(1));
        QCOMPARE(child->editorState().editBuffer[1], std::uint8_t(0));

        child->gridFontLib().setFocus();
        QVERIFY(!child->editorHasFocus());
        child->transform(GlyphTransform::Clear);
        QCOMPARE(glyphBytes(fontOf(*child), 5), Bytes(8, 0));
    }

    void editBufferBarNamesSourceAndTarget()
    {
        const auto child = openChild(m_font);
        const EditBufferBar& bar = child->editBufferBar();
        child->gridFontLib().selectCells({ 1, 1, 1, 1 });
        QVERIFY(bar.text().contains("Picture: no glyph"));
        QVERIFY(bar.text().contains("Update to: glyph 1 U+0042"));
        child->gridFontLibDblClick();
        child->gridFontLib().selectCells({ 2, 2, 2, 2 });
        QVERIFY(bar.text().contains("Picture: glyph 1 U+0042"));
        QVERIFY(bar.text().contains("Update to: glyph 34 U+0063"));
        QVERIFY(!bar.text().contains("not written"));
        dot(child->imgEdit(), QPoint(75, 75));
        QVERIFY(bar.text().contains("not written"));
        child->spdUpdateClick();
        QVERIFY(bar.text().contains("Picture: glyph 34"));
        QVERIFY(!bar.showsUnwritten());
        child->undo();
        QVERIFY2(bar.showsUnwritten(), "the Update that wrote it was undone");
    }

    // The picture stays where it is while the bar's note comes and goes.
    void thePictureDoesNotMoveWithTheBarsNote()
    {
        const auto child = openChild(m_font);
        child->show();
        QVERIFY(QTest::qWaitForWindowExposed(child.get()));
        const auto pictureTop = [&child] {
            QCoreApplication::processEvents();
            return child->imgEdit().mapTo(child.get(), QPoint(0, 0)).y();
        };
        child->gridFontLib().selectCells({ 1, 1, 1, 1 });
        child->gridFontLibDblClick();
        const int top = pictureTop();
        dot(child->imgEdit(), QPoint(75, 75));
        QVERIFY(child->editBufferBar().showsUnwritten());
        QCOMPARE(pictureTop(), top);
    }
};

QTEST_MAIN(FontHistoryTest)
#include "FontHistory_test.moc"
