#include "cli/CliCommand.h"
#include "export/DefaultScript.h"
#include "export/DlgExportLib.h"
#include "export/ScriptText.h"
#include "support/ScriptedDialogs.h"
#include "support/TestFonts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFontMetrics>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QSplitter>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextEdit>
#include <QtTest>

#include <sstream>

using namespace tessellon;

namespace {

const std::vector<std::string> endlessScript { "int i;", "for (i = 0; 0 < 1; i++) i = i;" };

// 11 x 10 glyphs: two byte columns, leftover pixels, two column pages.
FontLib sampleFont() { return test::numberedFont(11, 10, 40); }

QString bytesAsText(const QByteArray& bytes) { return QString::fromLatin1(bytes); }

} // namespace

class DlgExportLibTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    test::ScriptedDialogs m_dialogs;
    std::unique_ptr<TDlgExportLib> m_dialog;
    FontLib m_font = sampleFont();

    QString path(const QString& name) const { return m_dir->filePath(name); }
    QString scriptFile() const { return path("program/tessellon.spt"); }
    TDlgExportLib& dialog() { return *m_dialog; }
    QString editorText() { return dialog().memExportFormat().toPlainText(); }
    QStringList messages() { return dialog().memOutput().toPlainText().split('\n'); }

    void open(const QString& output = {})
    {
        dialog().PrepareExport(output.isEmpty() ? path("font.c") : output, m_font);
        dialog().show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog()));
    }

    void setEditor(const QString& text) { dialog().memExportFormat().setPlainText(text); }

    // Presses Export and waits until the run has ended and its messages are shown.
    bool exportAndWait()
    {
        QSignalSpy finished(&dialog(), &TDlgExportLib::runFinished);
        dialog().cmdExport().click();
        return !finished.isEmpty() || finished.wait(10000);
    }

    void startEndlessRun()
    {
        dialog().setEditorLines(endlessScript);
        dialog().cmdExport().click();
        QCOMPARE(dialog().cmdExport().text(), QString("Stop"));
        QTRY_VERIFY(messages().contains("Run..."));
        QVERIFY(dialog().isRunning());
    }

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        QVERIFY(QDir().mkpath(path("program")));
        m_dialogs = test::ScriptedDialogs();
        m_dialog = std::make_unique<TDlgExportLib>(m_dialogs, test::localPath(scriptFile()));
    }

    void cleanup()
    {
        m_dialog.reset();
        QCOMPARE(m_dialogs.unexpected, 0);
        m_dir.reset();
    }

    void hasItsControlsWhereTheyBelong()
    {
        open();
        QCOMPARE(dialog().windowTitle(), QString("Export font lib"));
        QCOMPARE(dialog().size(), QSize(496, 485));
        // Centred on the screen, give or take the frame.
        const QPoint offCentre
            = dialog().frameGeometry().center() - dialog().screen()->availableGeometry().center();
        QVERIFY(offCentre.manhattanLength() <= 8);
        const struct {
            QPushButton& button;
            const char* text;
            QRect geometry;
        } buttons[] = {
            { dialog().cmdExport(), "Export", { 1, 8, 73, 25 } },
            { dialog().cmdLoadScript(), "Load Script", { 1, 64, 75, 25 } },
            { dialog().cmdSaveScript(), "Save Script", { 1, 96, 75, 25 } },
            { dialog().cmdHelp(), "Help", { 1, 128, 75, 25 } },
            { dialog().OKBtn(), "Close", { 1, 184, 75, 25 } },
        };
        for (const auto& b : buttons) {
            QCOMPARE(b.button.text(), QString(b.text));
            QCOMPARE(b.button.geometry(), b.geometry);
            QCOMPARE(b.button.mapTo(&dialog(), QPoint(0, 0)).x(), 496 - 80 + 1);
        }
        QCOMPARE(dialog().PageControl1().count(), 2);
        QCOMPARE(dialog().PageControl1().tabText(0), QString("Export"));
        QCOMPARE(dialog().PageControl1().tabText(1), QString("Help"));
        QCOMPARE(dialog().PageControl1().currentWidget(), &dialog().tabOutput());
        QCOMPARE(dialog().memOutput().height(), 121);
        QCOMPARE(dialog().Splitter1().handleWidth(), 3);
        QPlainTextEdit& editor = dialog().memExportFormat();
        // All characters as wide, whichever fonts are installed.
        const QFontMetrics metrics(editor.font());
        QCOMPARE(metrics.horizontalAdvance('i'), metrics.horizontalAdvance('W'));
        QCOMPARE(metrics.horizontalAdvance(' '), metrics.horizontalAdvance('W'));
        QCOMPARE(editor.lineWrapMode(), QPlainTextEdit::NoWrap);
        QCOMPARE(editor.tabStopDistance(), 4.0 * editor.fontMetrics().horizontalAdvance(' '));
        QVERIFY(!dialog().RichEdit1().isReadOnly());
        QCOMPARE(dialog().RichEdit1().toPlainText().split('\n').value(3),
            QString("FONT_NUMBER     font number"));
    }

    void scriptAndMessagesGrowWithTheDialog()
    {
        open();
        const QSize editor = dialog().memExportFormat().size();
        const QSize messages = dialog().memOutput().size();
        dialog().resize(800, 700);
        QTRY_COMPARE(dialog().size(), QSize(800, 700));
        QCOMPARE(dialog().memExportFormat().width(), editor.width() + 800 - 496);
        QCOMPARE(dialog().memOutput().width(), messages.width() + 800 - 496);
        QVERIFY(dialog().memExportFormat().height() > editor.height());
        QVERIFY(dialog().memOutput().height() >= messages.height());
        QCOMPARE(dialog().OKBtn().mapTo(&dialog(), QPoint(0, 0)).x(), 800 - 80 + 1);
    }

    // Down the editor's left side: the number of each line, level with it, and nothing
    // below the last line.
    void scriptEditorNumbersItsLines()
    {
        open();
        ScriptEditor& editor = dialog().memExportFormat();
        setEditor("int i;\nWRITE(\"x\");\ni = 1;");
        QCoreApplication::processEvents();
        QVERIFY(editor.lineNumbers().isVisible());
        QCOMPARE(editor.viewport()->geometry().left(), editor.lineNumbers().geometry().right() + 1);
        const QImage strip = editor.lineNumbers().grab().toImage();
        const auto inkIn = [&strip](int top, int bottom) {
            int ink = 0;
            for (int y = std::max(top, 0); y < std::min(bottom, strip.height()); ++y) {
                for (int x = 0; x < strip.width(); ++x) {
                    ink += qGray(strip.pixel(x, y)) < 160 ? 1 : 0;
                }
            }
            return ink;
        };
        int lineTop = 0;
        for (int line = 0; line < 3; ++line) {
            const QRect shown
                = editor.cursorRect(QTextCursor(editor.document()->findBlockByNumber(line)));
            QVERIFY2(
                inkIn(shown.top(), shown.bottom() + 1) > 0, qPrintable(QString::number(line + 1)));
            lineTop = shown.bottom() + 1;
        }
        QCOMPARE(inkIn(lineTop, strip.height()), 0);
        const int narrow = editor.lineNumbers().width();
        setEditor(QString("i = 1;\n").repeated(120));
        QVERIFY(editor.lineNumbers().width() > narrow);
    }

    void firstUseShowsTheDefaultScriptAndExportKeepsItWithCrLf()
    {
        open();
        QCOMPARE(dialog().editorLines(), defaultScript());
        QVERIFY(!QFile::exists(scriptFile()));
        QVERIFY(exportAndWait());
        QCOMPARE(test::fileBytes(scriptFile()).toStdString(), joinScriptLines(defaultScript()));
        QVERIFY(test::fileBytes(scriptFile()).contains("int i,unicode;\r\nWRITE("));
        QCOMPARE(messages(), QStringList({ "Compiling...", "No error", "Run...", "OK" }));
        QVERIFY(test::fileBytes(path("font.c")).startsWith("#include \"fontlib.h\"\r\n"));
    }

    void editsNotExportedAreGoneAtTheNextOpening()
    {
        open();
        setEditor("WRITE(\"exported\");");
        QVERIFY(exportAndWait());
        setEditor("WRITE(\"never exported\");");
        dialog().OKBtn().click();
        QVERIFY(!dialog().isVisible());
        open();
        QCOMPARE(editorText(), QString("WRITE(\"exported\");"));
        QVERIFY(dialog().memOutput().toPlainText().isEmpty());
    }

    void scriptFileDecidesTheEditorText_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("editor");
        QTest::newRow("empty file, empty editor") << QByteArray("") << QString();
        QTest::newRow("LF and CR line ends") << QByteArray("a\nb\rc\r\n") << QString("a\nb\nc");
        QTest::newRow("a folder in its place") << QByteArray() << QString();
    }

    void scriptFileDecidesTheEditorText()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, editor);
        if (file.isNull()) {
            QVERIFY(QDir().mkpath(scriptFile()));
            editor = QString::fromStdString(joinScriptLines(defaultScript())).replace("\r\n", "\n");
        } else {
            QVERIFY(test::writeBytes(scriptFile(), file));
        }
        open();
        QCOMPARE(editorText(), editor);
    }

    void eightBitScriptsComeBackByteForByte_data()
    {
        QTest::addColumn<QByteArray>("script");
        QTest::addColumn<QByteArray>("output");
        // Comments with a no-break space, which a plain-text round trip would turn into a space.
        QTest::newRow("ISO 8859-1")
            << QByteArray("/* caf\xe9\xa0*/\r\nWRITE(\"\xb0\");") << QByteArray("\xb0");
        QTest::newRow("UTF-8") << QByteArray("/* caf\xc3\xa9\xc2\xa0*/\r\nWRITE(\"\xc2\xb0\");")
                               << QByteArray("\xc2\xb0");
    }

    void eightBitScriptsComeBackByteForByte()
    {
        QFETCH(QByteArray, script);
        QFETCH(QByteArray, output);
        QVERIFY(test::writeBytes(scriptFile(), script));
        open();
        QVERIFY(editorText().startsWith(QString::fromUtf8("/* caf\xc3\xa9")));
        QVERIFY(exportAndWait());
        QCOMPARE(test::fileBytes(scriptFile()), script);
        QCOMPARE(test::fileBytes(path("font.c")), output);
    }

    void loadScriptReplacesTheText()
    {
        QVERIFY(test::writeBytes(path("s.spt"), "int i;\r\nWRITE(\"x\");\n"));
        open();
        m_dialogs.openChoices << path("s.spt");
        dialog().cmdLoadScript().click();
        QCOMPARE(m_dialogs.openFilters, QStringList { "tessellon script file(*.spt)|*.spt" });
        QCOMPARE(editorText(), QString("int i;\nWRITE(\"x\");"));
        QVERIFY(!QFile::exists(scriptFile()));
    }

    void loadScriptThatCannotBeReadKeepsTheText_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("reason");
        QTest::newRow("missing") << "missing.spt"
                                 << "No such file or directory";
        QTest::newRow("folder") << "folder.spt"
                                << "";
    }

    void loadScriptThatCannotBeReadKeepsTheText()
    {
        QFETCH(QString, name);
        QFETCH(QString, reason);
        QVERIFY(QDir().mkpath(path("folder.spt")));
        open();
        setEditor("kept");
        m_dialogs.openChoices << path(name);
        dialog().cmdLoadScript().click();
        QCOMPARE(editorText(), QString("kept"));
        QCOMPARE(m_dialogs.warned.size(), 1);
        QVERIFY(m_dialogs.warned[0].startsWith("Cannot open file " + path(name) + ": "));
        QVERIFY(m_dialogs.warned[0].endsWith(reason));
    }

    void cancelledFileDialogsChangeNothing()
    {
        open();
        setEditor("kept");
        m_dialogs.openChoices << QString();
        m_dialogs.saveChoices << QString();
        dialog().cmdLoadScript().click();
        dialog().cmdSaveScript().click();
        QCOMPARE(editorText(), QString("kept"));
        QVERIFY(m_dialogs.warned.isEmpty());
    }

    void saveScriptWritesExactlyTheNameGiven()
    {
        open();
        setEditor("int i;\nWRITE(\"x\");");
        m_dialogs.saveChoices << path("noextension") << path("again");
        dialog().cmdSaveScript().click();
        QCOMPARE(test::fileBytes(path("noextension")), QByteArray("int i;\r\nWRITE(\"x\");"));
        QVERIFY(!QFile::exists(path("noextension.spt")));
        QVERIFY(!QFile::exists(scriptFile()));
        // The next save starts from the name last used.
        dialog().cmdSaveScript().click();
        QCOMPARE(m_dialogs.saveSuggestions, QStringList({ QString(), path("noextension") }));
        QCOMPARE(m_dialogs.saveFilters.value(0), QString("tessellon script file(*.spt)|*.spt"));
    }

    void saveScriptThatCannotBeCreatedSaysSo()
    {
        open();
        m_dialogs.saveChoices << path("missing/folder/../../program");
        dialog().cmdSaveScript().click();
        QCOMPARE(m_dialogs.warned.size(), 1);
        QVERIFY(m_dialogs.warned[0].startsWith("Cannot create file "));
    }

    void helpPageStaysInFrontUntilExport()
    {
        open();
        dialog().PageControl1().setCurrentWidget(&dialog().TabSheet1());
        dialog().RichEdit1().setPlainText("my notes");
        QList<int> splitter = dialog().Splitter1().sizes();
        splitter = { splitter[0] - 40, splitter[1] + 40 };
        dialog().Splitter1().setSizes(splitter);
        dialog().OKBtn().click();
        open();
        QCOMPARE(dialog().PageControl1().currentWidget(), &dialog().TabSheet1());
        QCOMPARE(dialog().RichEdit1().toPlainText(), QString("my notes"));
        QCOMPARE(dialog().Splitter1().sizes(), splitter);
        QVERIFY(exportAndWait());
        QCOMPARE(dialog().PageControl1().currentWidget(), &dialog().tabOutput());
    }

    void helpButtonSaysWhenThePageIsMissing()
    {
        open();
        dialog().cmdHelp().click();
        const QString page
            = QDir::toNativeSeparators(QCoreApplication::applicationDirPath() + "/doc/help.html");
        QVERIFY(m_dialogs.openedDocuments.isEmpty());
        QCOMPARE(m_dialogs.warned,
            QStringList { "Cannot open file " + page + ": the help page is missing" });
    }

    void secondPressLeavesOnlyTheSecondOutput()
    {
        open();
        setEditor("WRITE(\"a much longer first output\");");
        QVERIFY(exportAndWait());
        setEditor("WRITE(\"second\");");
        QVERIFY(exportAndWait());
        QCOMPARE(test::fileBytes(path("font.c")), QByteArray("second"));
    }

    void compileErrorLeavesAZeroLengthOutput()
    {
        QVERIFY(test::writeBytes(path("font.c"), "old contents"));
        open();
        setEditor("int i;\ni = 1\n}");
        QVERIFY(exportAndWait());
        QVERIFY(QFile::exists(path("font.c")));
        QCOMPARE(QFileInfo(path("font.c")).size(), 0);
        QCOMPARE(messages(), QStringList({ "Compiling...", "Line 3: [E5] ; expected \"}\"" }));
    }

    void outputThatCannotBeCreatedRunsNothing()
    {
        QVERIFY(QDir().mkpath(path("folder.c")));
        open(path("folder.c"));
        setEditor("WRITE(\"x\");");
        dialog().cmdExport().click();
        QCOMPARE(m_dialogs.warned.size(), 1);
        QVERIFY(m_dialogs.warned[0].startsWith("Cannot create file " + path("folder.c") + ": "));
        QVERIFY(dialog().memOutput().toPlainText().isEmpty());
        QVERIFY(!dialog().isRunning());
        // The script was saved first, as at every press.
        QCOMPARE(test::fileBytes(scriptFile()), QByteArray("WRITE(\"x\");"));
    }

    void outputThatIsAnInputIsRefusedBeforeSaving_data()
    {
        QTest::addColumn<bool>("scriptFileItself");
        QTest::newRow("the script file") << true;
        QTest::newRow("the font's file") << false;
    }

    void outputThatIsAnInputIsRefusedBeforeSaving()
    {
        QFETCH(bool, scriptFileItself);
        const QString font = path("font.pix");
        QVERIFY(test::writeFont(font, m_font));
        QVERIFY(test::writeBytes(scriptFile(), "WRITE(\"kept\");"));
        const QString input = scriptFileItself ? scriptFile() : font;
        const QByteArray before = test::fileBytes(input);
        dialog().PageControl1().setCurrentWidget(&dialog().TabSheet1());
        dialog().PrepareExport(input, m_font, font);
        setEditor("WRITE(\"new\");");
        dialog().cmdExport().click();
        QCOMPARE(m_dialogs.warned,
            QStringList { "Cannot create file " + input + ": it is the same file as " + input });
        QCOMPARE(test::fileBytes(input), before);
        QVERIFY(!dialog().isRunning());
        QCOMPARE(dialog().PageControl1().currentWidget(), &dialog().TabSheet1());
    }

    void failedWriteIsReportedWithTheMessages()
    {
        if (!QFile::exists("/dev/full")) {
            QSKIP("no /dev/full here");
        }
        open("/dev/full");
        setEditor("WRITE(\"x\");");
        QVERIFY(exportAndWait());
        QCOMPARE(
            messages().last(), QString("Cannot write file /dev/full: No space left on device"));
        QVERIFY(!messages().contains("OK"));
    }

    void endlessScriptIsStoppedFromTheDialog()
    {
        open();
        startEndlessRun();
        QSignalSpy finished(&dialog(), &TDlgExportLib::runFinished);
        dialog().cmdExport().click();
        QVERIFY(finished.wait(10000));
        QVERIFY(!dialog().isRunning());
        QCOMPARE(dialog().cmdExport().text(), QString("Export"));
        QCOMPARE(messages().mid(messages().size() - 2),
            QStringList({ "run error: stopped on request", "run error: stopped on request" }));
        dialog().OKBtn().click();
        QVERIFY(!dialog().isVisible());
        QCOMPARE(dialog().result(), int(QDialog::Accepted));
    }

    void closingDuringARunStopsItFirst_data()
    {
        QTest::addColumn<int>("way");
        QTest::newRow("Close button") << 0;
        QTest::newRow("close box") << 1;
        QTest::newRow("Escape key") << 2;
    }

    void closingDuringARunStopsItFirst()
    {
        QFETCH(int, way);
        open();
        startEndlessRun();
        if (way == 0) {
            dialog().OKBtn().click();
        } else if (way == 1) {
            dialog().close();
        } else {
            QTest::keyClick(&dialog(), Qt::Key_Escape);
        }
        QVERIFY(!dialog().isVisible());
        QVERIFY(!dialog().isRunning());
        QCOMPARE(messages().last(), QString("run error: stopped on request"));
        // The next opening starts afresh and runs again.
        open();
        setEditor("WRITE(\"again\");");
        QVERIFY(exportAndWait());
        QCOMPARE(test::fileBytes(path("font.c")), QByteArray("again"));
    }

    void endlessFloodOfRunErrorsIsCutShort()
    {
        open();
        setEditor("int i, x;\nfor (i = 0; 0 < 1; i++) x = i / 0;");
        dialog().cmdExport().click();
        QTRY_VERIFY_WITH_TIMEOUT(messages().size() >= 10000, 10000);
        // More lines than are shown come meanwhile.
        QTRY_VERIFY_WITH_TIMEOUT(dialog().linesLeftOut() > 0, 10000);
        QSignalSpy finished(&dialog(), &TDlgExportLib::runFinished);
        dialog().cmdExport().click();
        QVERIFY(finished.wait(10000));
        const QStringList shown = messages();
        QCOMPARE(shown.size(), 10005);
        QCOMPARE(shown.value(3), QString("run error: divided by 0"));
        QVERIFY(shown.at(10000).endsWith(" more lines not shown)"));
        QCOMPARE(shown.last(), QString("run error: stopped on request"));
    }

    void exportEqualsTheCommandLineByteForByte_data()
    {
        QTest::addColumn<QString>("script");
        for (const char* name : { "default.spt", "oled_pages.spt", "packed_blob.spt" }) {
            QTest::newRow(name) << QString(SCRIPTS_DIR "/") + name;
        }
        QTest::newRow("every built-in") << QString();
    }

    void exportEqualsTheCommandLineByteForByte()
    {
        QFETCH(QString, script);
        if (script.isEmpty()) {
            script = path("builtins.spt");
            QVERIFY(test::writeBytes(script,
                "int i,c;\r\nfor(i=0;i<FONT_NUMBER;i++){c=GETUNICODE(i);WRITE(\"%d:\",c);"
                "PUTITEM(i);PUTITEMZIP(i);PUTITEMBIN(i);PUTITEMZIPBIN(i);PUTITEMCOL(i);"
                "PUTITEMCOLBIN(i);WRITE(\"\\n\");}"));
        }
        const QString font = path("font.pix");
        QVERIFY(test::writeFont(font, m_font));
        open();
        m_dialogs.openChoices << script;
        dialog().cmdLoadScript().click();
        QVERIFY(exportAndWait());
        QCOMPARE(messages().last(), QString("OK"));

        std::ostringstream out;
        std::ostringstream err;
        const int status
            = cli::runCli({ "export", test::localPath(font), "-s", test::localPath(script), "-o",
                              test::localPath(path("cli.c")) },
                { out, err });
        QCOMPARE(status, 0);
        const QByteArray fromDialog = test::fileBytes(path("font.c"));
        QVERIFY(fromDialog.size() > 100);
        QCOMPARE(bytesAsText(fromDialog), bytesAsText(test::fileBytes(path("cli.c"))));
    }
};

QTEST_MAIN(DlgExportLibTest)
#include "DlgExportLib_test.moc"
