#include "editor/ChildExchange.h"

#include "editor/GlyphGrid.h"
#include "editor/MDIChild.h"
#include "shell/MainActions.h"
#include "shell/MainForm.h"
#include "shell/Program.h"
#include "support/PictureHeaders.h"
#include "support/ProgramUnderTest.h"
#include "support/TestFonts.h"
#include "support/WindowChanges.h"

#include <QApplication>
#include <QClipboard>
#include <QMdiArea>
#include <QMenu>
#include <QMimeData>
#include <QTemporaryDir>
#include <QtTest>

using namespace tessellon;

namespace {

std::vector<std::uint8_t> glyphBytes(const FontLib& font, std::uint32_t index)
{
    const auto bytes = font.glyph(index);
    return { bytes.begin(), bytes.end() };
}

QClipboard& clipboard() { return *QGuiApplication::clipboard(); }

} // namespace

// The four exchange commands as the user reaches them: through the main window's actions,
// on the active child window.
class ChildExchangeTest : public QObject {
    Q_OBJECT

    test::ProgramUnderTest m_test;

    TMainForm& form() { return m_test.form(); }
    MainActions& actions() { return form().actions(); }
    QString path(const QString& name) const { return m_test.dir.filePath(name); }

    // A child window on a font of numbered 8 x 8 glyphs, the block at cells selected.
    TMDIChild* openFont(const QString& name, std::uint32_t glyphs, const GridRect& cells)
    {
        if (!test::writeFont(path(name), test::numberedFont(8, 8, glyphs))) {
            qFatal("cannot write a test font");
        }
        m_test.dialogs.openChoices << path(name);
        actions().FileOpen1->trigger();
        TMDIChild* child = form().activeChild();
        if (child) {
            child->gridFontLib().selectCells(cells);
        }
        return child;
    }

    // Runs the event loop until it has gone idle, when the commands' enabled states are
    // recomputed.
    void idle()
    {
        QEventLoop loop;
        QTimer::singleShot(20, &loop, &QEventLoop::quit);
        loop.exec();
    }

    // Triggers an action as a user can: only once it is enabled.
    void run(QAction* action)
    {
        idle();
        QVERIFY2(action->isEnabled(), qPrintable(action->objectName()));
        action->trigger();
    }

    QList<bool> exchangeEnabled()
    {
        idle();
        const MainActions& a = actions();
        return { a.EditCopy1->isEnabled(), a.EditPaste1->isEnabled(), a.EditCopyTo->isEnabled(),
            a.EditPasteFrom->isEnabled() };
    }

private slots:
    void init()
    {
        QVERIFY(m_test.start(QSize(1000, 700)));
        clipboard().setText("no picture");
    }

    void cleanup() { QCOMPARE(m_test.stop(), 0); }

    void commandsAreEnabledBySelectionAndClipboard()
    {
        const QList<bool> none { false, false, false, false };
        QCOMPARE(exchangeEnabled(), none);
        clipboard().setImage(QImage(8, 8, QImage::Format_RGB32));
        QCOMPARE(exchangeEnabled(), none);

        TMDIChild* child = openFont("a.pix", 40, { 2, 1, 2, 1 });
        QVERIFY(child);
        // Copy, Paste, Copy To, Paste from.
        QCOMPARE(exchangeEnabled(), (QList<bool> { true, true, true, true }));
        clipboard().setText("no picture");
        QCOMPARE(exchangeEnabled(), (QList<bool> { true, false, true, true }));
        child->gridFontLib().selectionModel()->clearSelection();
        QCOMPARE(exchangeEnabled(), (QList<bool> { false, false, false, true }));
        clipboard().setImage(QImage(8, 8, QImage::Format_RGB32));
        QCOMPARE(exchangeEnabled(), (QList<bool> { false, true, false, true }));
        child->close();
        QCOMPARE(exchangeEnabled(), none);
    }

    void copyAndPasteThroughTheClipboardBetweenFonts()
    {
        TMDIChild* from = openFont("from.pix", 100, { 30, 1, 31, 2 });
        TMDIChild* to = openFont("to.pix", 100, { 3, 2, 3, 2 });
        QVERIFY(from && to);
        form().mdiArea().setActiveSubWindow(from);
        run(actions().EditCopy1);
        const QImage copied = clipboard().image();
        QCOMPARE(copied.size(), QSize(16, 16));

        form().mdiArea().setActiveSubWindow(to);
        QVERIFY(!to->history().modified());
        run(actions().EditPaste1);
        const FontLib& source = from->document().fontLib();
        const FontLib& pasted = to->document().fontLib();
        for (const auto& [target, original] :
            { std::pair { 35u, 30u }, { 36u, 31u }, { 67u, 62u }, { 68u, 63u } }) {
            QCOMPARE(glyphBytes(pasted, target), glyphBytes(source, original));
        }
        QCOMPARE(glyphBytes(pasted, 34), glyphBytes(source, 34));
        QVERIFY(to->history().modified());
        QCOMPARE(to->gridFontLib().selectedCells(), (GridRect { 3, 2, 4, 3 }));
        QVERIFY(m_test.dialogs.warned.isEmpty());
    }

    void selectedCellsAreCopiedBlackOnWhite()
    {
        TMDIChild* child = openFont("a.pix", 40, { 0, 1, 3, 2 });
        QVERIFY(child);
        run(actions().EditCopy1);
        const QImage copied = clipboard().image();
        QCOMPARE(copied.size(), QSize(32, 16));
        QSet<QRgb> colours;
        for (int y = 0; y < copied.height(); ++y) {
            for (int x = 0; x < copied.width(); ++x) {
                colours << (copied.pixel(x, y) | 0xFF000000u);
            }
        }
        QCOMPARE(colours, (QSet<QRgb> { qRgb(0, 0, 0), qRgb(255, 255, 255) }));
    }

    void copyToNamesTheFileBmp_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("written");
        QTest::newRow("png becomes bmp") << "a.png"
                                         << "a.bmp";
        QTest::newRow("bmp is added") << "b"
                                      << "b.bmp";
        QTest::newRow("bmp stays") << "c.bmp"
                                   << "c.bmp";
    }

    void copyToNamesTheFileBmp()
    {
        QFETCH(QString, chosen);
        QFETCH(QString, written);
        QVERIFY(openFont("font.pix", 40, { 0, 1, 1, 1 }));
        m_test.dialogs.saveChoices << path(chosen);
        run(actions().EditCopyTo);
        QCOMPARE(m_test.dialogs.saveFilters, QStringList { "Bitmaps (*.bmp)|*.bmp" });
        QVERIFY(QFile::exists(path(written)));
        QCOMPARE(test::fileBytes(path(written)).left(2), QByteArray("BM"));
        QCOMPARE(QFile::exists(path(chosen)), chosen == written);
    }

    void roundTripThroughPictureFiles_data()
    {
        QTest::addColumn<QString>("pasted");
        QTest::newRow("the .bmp written") << "block.bmp";
        QTest::newRow("the same picture as .png") << "block.png";
    }

    void roundTripThroughPictureFiles()
    {
        QFETCH(QString, pasted);
        TMDIChild* from = openFont("from.pix", 200, { 1, 1, 3, 2 });
        QVERIFY(from);
        m_test.dialogs.saveChoices << path("block.bmp");
        run(actions().EditCopyTo);
        QVERIFY(QImage(path("block.bmp")).save(path("block.png")));

        TMDIChild* to = openFont("to.pix", 200, { 10, 3, 10, 3 });
        QVERIFY(to);
        m_test.dialogs.openChoices << path(pasted);
        run(actions().EditPasteFrom);
        QCOMPARE(m_test.dialogs.openFilters.last(),
            QString("Bitmaps (*.bmp)|*.bmp|Pictures (*.png *.bmp *.pbm *.gif)|*.png;*.bmp;*.pbm;"
                    "*.gif|All files (*.*)|*.*"));
        for (std::uint32_t r = 0; r < 2; ++r) {
            for (std::uint32_t c = 0; c < 3; ++c) {
                QCOMPARE(glyphBytes(to->document().fontLib(), 74 + 32 * r + c),
                    glyphBytes(from->document().fontLib(), 1 + 32 * r + c));
            }
        }
        QCOMPARE(to->gridFontLib().selectedCells(), (GridRect { 10, 3, 12, 4 }));
    }

    void unreadablePicturesSayCannotPasteAndChangeNothing_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("truncated bmp") << QByteArray();
        QTest::newRow("text") << QByteArray("not a picture");
    }

    void unreadablePicturesSayCannotPasteAndChangeNothing()
    {
        QFETCH(QByteArray, bytes);
        TMDIChild* child = openFont("a.pix", 100, { 0, 1, 2, 1 });
        QVERIFY(child);
        if (bytes.isEmpty()) {
            m_test.dialogs.saveChoices << path("whole.bmp");
            run(actions().EditCopyTo);
            bytes = test::fileBytes(path("whole.bmp")).chopped(10);
        }
        QVERIFY(test::writeBytes(path("bad.bmp"), bytes));
        const FontLib before = child->document().fontLib();
        m_test.dialogs.openChoices << path("bad.bmp");
        run(actions().EditPasteFrom);
        QCOMPARE(m_test.dialogs.warned.size(), 1);
        QVERIFY2(m_test.dialogs.warned[0].startsWith("Can not paste\n"),
            qPrintable(m_test.dialogs.warned[0]));
        QVERIFY(m_test.dialogs.warned[0].contains("bad.bmp"));
        QCOMPARE(child->document().fontLib().pixelData, before.pixelData);
        QVERIFY(!child->history().modified());
        QCOMPARE(child->gridFontLib().selectedCells(), (GridRect { 0, 1, 2, 1 }));
    }

    void clipboardPictureOfAbsurdSizeSaysCannotPaste()
    {
        TMDIChild* child = openFont("a.pix", 100, { 0, 1, 0, 1 });
        QVERIFY(child);
        auto* data = new QMimeData;
        data->setData("image/gif", test::gifClaiming(65535, 65535));
        clipboard().setMimeData(data);
        const FontLib before = child->document().fontLib();
        run(actions().EditPaste1);
        QCOMPARE(m_test.dialogs.warned.size(), 1);
        QVERIFY(m_test.dialogs.warned[0].startsWith("Can not paste\n"));
        QVERIFY(m_test.dialogs.warned[0].contains("65535 x 65535 pixels is larger"));
        QCOMPARE(child->document().fontLib().pixelData, before.pixelData);
        QVERIFY(!child->history().modified());
    }

    void pastedFontAsksToBeSavedOnClose()
    {
        TMDIChild* child = openFont("a.pix", 40, { 0, 1, 0, 1 });
        QVERIFY(child);
        clipboard().setImage(QImage(8, 8, QImage::Format_RGB32));
        run(actions().EditPaste1);
        m_test.dialogs.answers << MessageAnswer::Cancel;
        child->close();
        QCOMPARE(m_test.dialogs.questions.size(), 1);
        QCOMPARE(form().childWindows().size(), 1);
    }

    void pasteIsOneStepThatUndoAndRedoTakeBackAndRepeat()
    {
        TMDIChild* child = openFont("a.pix", 70, { 30, 1, 31, 2 });
        QVERIFY(child);
        const FontLib opened = child->document().fontLib();
        QImage picture(32, 16, QImage::Format_RGB32);
        picture.fill(Qt::black);
        clipboard().setImage(picture);
        run(actions().EditPaste1);
        const FontLib pasted = child->document().fontLib();
        QVERIFY(pasted.pixelData != opened.pixelData);

        run(actions().EditUndo1);
        QCOMPARE(child->document().fontLib().pixelData, opened.pixelData);
        QVERIFY(!child->history().modified());
        run(actions().EditRedo1);
        QCOMPARE(child->document().fontLib().pixelData, pasted.pixelData);
        QVERIFY(child->history().modified());
    }

    void pasteWrapsAndSelectsTheBlockCutToTheGrid()
    {
        TMDIChild* child = openFont("a.pix", 70, { 30, 2, 30, 2 });
        QVERIFY(child);
        QImage picture(32, 24, QImage::Format_RGB32);
        picture.fill(Qt::black);
        clipboard().setImage(picture);
        run(actions().EditPaste1);
        const FontLib& font = child->document().fontLib();
        // Columns 30 to 33 of rows 2 to 4 land on glyphs 62 to 65, 94... (past the end).
        for (std::uint32_t index = 62; index < 66; ++index) {
            QCOMPARE(glyphBytes(font, index), std::vector<std::uint8_t>(8, 0xFF));
        }
        QCOMPARE(glyphBytes(font, 66), glyphBytes(test::numberedFont(8, 8, 70), 66));
        QCOMPARE(child->gridFontLib().selectedCells(), (GridRect { 30, 2, 31, 3 }));
    }

    void cancelledFileDialogsDoNothing()
    {
        TMDIChild* child = openFont("a.pix", 40, { 0, 1, 0, 1 });
        QVERIFY(child);
        const QStringList files = QDir(m_test.dir.path()).entryList(QDir::Files);
        m_test.dialogs.saveChoices << QString();
        run(actions().EditCopyTo);
        m_test.dialogs.openChoices << QString();
        run(actions().EditPasteFrom);
        QVERIFY(m_test.dialogs.warned.isEmpty());
        QVERIFY(!child->history().modified());
        QCOMPARE(QDir(m_test.dir.path()).entryList(QDir::Files), files);
    }

    void gridContextMenuOffersCopyAndPaste()
    {
        TMDIChild* child = openFont("a.pix", 40, { 0, 1, 0, 1 });
        QVERIFY(child);
        QList<QAction*> offered;
        QTimer::singleShot(0, [&offered] {
            if (QWidget* popup = QApplication::activePopupWidget()) {
                offered = popup->actions();
                popup->close();
            }
        });
        GlyphGrid& grid = child->gridFontLib();
        emit grid.customContextMenuRequested(grid.cellRect(0, 1).center());
        QCOMPARE(offered, (QList<QAction*> { actions().EditCopy1, actions().EditPaste1 }));
    }
};

QTEST_MAIN(ChildExchangeTest)
#include "ChildExchange_test.moc"
