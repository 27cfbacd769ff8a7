#include "document/FontFileFormats.h"
#include "editor/MDIChild.h"
#include "editor/WindowCaption.h"
#include "formats/FontImport.h"
#include "shell/DlgPictureSheet.h"
#include "shell/MainActions.h"
#include "shell/MainForm.h"
#include "shell/Program.h"
#include "support/ProgramUnderTest.h"
#include "support/TestFonts.h"
#include "support/WindowChanges.h"

#include <QAction>
#include <QLineEdit>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QtTest>

using namespace tessellon;

class ImportFontCommandTest : public QObject {
    Q_OBJECT

    test::ProgramUnderTest m_test;

    TMainForm& form() { return m_test.form(); }

    QString path(const QString& name) const { return m_test.dir.filePath(name); }

    // Writes font in the format the name's extension gives.
    QString writeFile(const QString& name, const FontLib& font, FontFileOptions options = {})
    {
        const QString file = path(name);
        const Status written = exportFontFile(test::localPath(file), font, options);
        if (!written) {
            qFatal("cannot write a test font: %s", written.message().c_str());
        }
        return file;
    }

    TMDIChild* import(const QString& file)
    {
        m_test.dialogs.openChoices << file;
        form().actions().FileImport1->trigger();
        return form().activeChild();
    }

private slots:
    void init() { QVERIFY(m_test.start()); }

    void cleanup()
    {
        // The imported fonts are modified: close without the question.
        for (TMDIChild* child : form().childWindows()) {
            child->history().markSaved();
        }
        QCOMPARE(m_test.stop(), 0);
    }

    void aBdfFontOpensAsANewUntitledModifiedFontNamedAfterTheFile()
    {
        const FontLib font = test::numberedFont(9, 12, 50);
        const QString file = writeFile("clean.bdf", font);
        TMDIChild* child = import(file);
        QVERIFY(child);
        QCOMPARE(m_test.dialogs.openFilters.last(), QString::fromStdString(fontImportFilter()));
        QCOMPARE(shownTitle(*child), path("clean.pix") + "*");
        QVERIFY(child->history().modified());
        QVERIFY(child->isUntitled());
        QVERIFY(child->document().fontReady);
        QCOMPARE(child->document().fontLib().pixelData, font.pixelData);
        QCOMPARE(child->document().fontLib().codeTable, font.codeTable);
        QVERIFY(m_test.dialogs.informed.isEmpty());

        // Save asks where, offering the name the window carries.
        m_test.dialogs.saveChoices << path("kept.pix");
        QVERIFY(child->SaveFontLib(false));
        QCOMPARE(m_test.dialogs.saveSuggestions.last(), path("clean.pix"));
        QCOMPARE(test::readFont(path("kept.pix")).pixelData, font.pixelData);
        QVERIFY(!child->isUntitled());
    }

    void whatWasSkippedIsShownOnceTheFontIsOpen()
    {
        QFile hex(path("u.hex"));
        QVERIFY(hex.open(QIODevice::WriteOnly));
        hex.write("0041:0000000018242442427E424242420000\n1F600:");
        hex.write(QByteArray(64, 'F'));
        hex.close();
        TMDIChild* child = import(hex.fileName());
        QVERIFY(child);
        QCOMPARE(child->document().fontLib().info.glyphCount, 1u);
        QCOMPARE(
            m_test.dialogs.informed, QStringList { "1 glyph with codes above FFFF was skipped." });
    }

    void aPictureSheetIsReadWithTheCellSizeAndFirstCodeAsked()
    {
        const FontLib font = test::numberedFont(7, 11, 40);
        FontFileOptions columns;
        columns.columns = 6;
        const QString file = writeFile("sheet.png", font, columns);
        m_test.dialogs.modalAnswer = [](QDialog& dialog) {
            auto& sheet = dynamic_cast<TDlgPictureSheet&>(dialog);
            sheet.txtCellWidth().setValue(7);
            sheet.txtCellHeight().setValue(11);
            sheet.txtFirstCode().setText("41");
            return int(QDialog::Accepted);
        };
        TMDIChild* child = import(file);
        QVERIFY(child);
        QCOMPARE(m_test.dialogs.modalDialogs.size(), 1);
        QCOMPARE(shownTitle(*child), path("sheet.pix") + "*");
        QCOMPARE(child->document().fontLib().pixelData, font.pixelData);
        QCOMPARE(child->document().fontLib().codeTable, font.codeTable);

        // Cancelled, nothing is read.
        m_test.dialogs.modalAnswer = [](QDialog&) { return int(QDialog::Rejected); };
        import(file);
        QCOMPARE(form().childWindows().size(), 1);
    }

    void anUnreadableFileIsRefusedWithTheReasonAndNoWindow()
    {
        QFile bdf(path("bad.bdf"));
        QVERIFY(bdf.open(QIODevice::WriteOnly));
        bdf.write("STARTFONT 2.1\nFONTBOUNDINGBOX 8 8 0 0\nCHARS 2000000000\nENDFONT\n");
        bdf.close();
        QVERIFY(!import(bdf.fileName()));
        QCOMPARE(m_test.dialogs.warned,
            QStringList { "Cannot import " + bdf.fileName() + ": Cannot read " + bdf.fileName()
                + " as a BDF font: line 3: CHARS says 2000000000 glyphs, but the font holds 0" });

        QVERIFY(!import(path("notes.txt")));
        QVERIFY(m_test.dialogs.warned.last().contains("cannot tell the format of"));
        QVERIFY(form().childWindows().isEmpty());
    }

    // An untitled window named after a file is not that file: opening the file opens it.
    void openingTheFileOfTheSameNameOpensThatFile()
    {
        QVERIFY(test::writeFont(path("same.pix"), test::numberedFont(8, 8, 3)));
        TMDIChild* imported = import(writeFile("same.bdf", test::numberedFont(8, 8, 5)));
        QVERIFY(imported);
        QCOMPARE(shownTitle(*imported), path("same.pix") + "*");
        TMDIChild* opened = form().OpenOrCreate(path("same.pix"));
        QVERIFY(opened && opened != imported);
        QCOMPARE(opened->document().fontLib().info.glyphCount, 3u);
    }
};

QTEST_MAIN(ImportFontCommandTest)
#include "ImportFontCommand_test.moc"
