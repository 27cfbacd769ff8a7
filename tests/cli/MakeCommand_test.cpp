#include "creation/GlyphDrawing.h"
#include "creation/GlyphRenderer.h"
#include "document/FontLib.h"
#include "document/PixFormat.h"
#include "document/PixReader.h"

#include "TestFonts.h"

#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

#include <sys/resource.h>
#include <sys/stat.h>

namespace tessellon {

namespace {

    struct Run {
        int exitCode = -1;
        QString out;
        QString err;
    };

    const QString dejaVuMono
        = QStringLiteral("/usr/share/fonts/truetype/dejavu/DejaVuSansMono.ttf");

} // namespace

// Runs tessellon-cli as a user would, without a display and with the system's temporary
// folder pointed at a folder of the test's own.
class MakeCommandTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_folder;
    QString m_temporary;

    // The child starts with the interruption signals at their default action (a test run
    // in the background may have them ignored) and, when given, a file-size limit.
    void startMake(QProcess& process, const QStringList& arguments, rlim_t fileSizeLimit = 0,
        const QString& command = "make")
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove("DISPLAY");
        environment.remove("WAYLAND_DISPLAY");
        environment.remove("QT_QPA_PLATFORM");
        environment.insert("TMPDIR", m_temporary);
        process.setProcessEnvironment(environment);
        process.setChildProcessModifier([fileSizeLimit] {
            for (int signal : { SIGINT, SIGTERM, SIGHUP }) {
                ::signal(signal, SIG_DFL);
            }
            if (fileSizeLimit > 0) {
                const rlimit limit { fileSizeLimit, fileSizeLimit };
                ::setrlimit(RLIMIT_FSIZE, &limit);
            }
        });
        process.start(TESSELLON_CLI, QStringList { command } + arguments);
    }

    static Run finish(QProcess& process)
    {
        Run run;
        if (!process.waitForFinished(60000)) {
            process.kill();
            process.waitForFinished();
            return run;
        }
        run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
        run.out = QString::fromUtf8(process.readAllStandardOutput());
        run.err = QString::fromUtf8(process.readAllStandardError());
        return run;
    }

    Run make(const QStringList& arguments, rlim_t fileSizeLimit = 0)
    {
        QProcess process;
        startMake(process, arguments, fileSizeLimit);
        return finish(process);
    }

    Run build(const QStringList& arguments)
    {
        QProcess process;
        startMake(process, arguments, 0, "build");
        return finish(process);
    }

    // The files of the test's folder whose names begin with name: the output and its
    // temporary files.
    QStringList leftBeside(const QString& name) const
    {
        return QDir(m_folder.path())
            .entryList({ name + "*" }, QDir::Files | QDir::Hidden | QDir::System);
    }

    QString path(const QString& name) const { return m_folder.filePath(name); }

    QString writeFile(const QString& name, const QByteArray& bytes)
    {
        QFile file(path(name));
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
        return file.fileName();
    }

    // The threads of a running process, as Linux counts them; 0 once it has gone.
    static int threadCount(qint64 pid)
    {
        QFile status(QString("/proc/%1/status").arg(pid));
        if (!status.open(QIODevice::ReadOnly)) {
            return 0;
        }
        for (const QByteArray& line : status.readAll().split('\n')) {
            if (line.startsWith("Threads:")) {
                return line.mid(8).trimmed().toInt();
            }
        }
        return 0;
    }

    QStringList leftInTemporary() const
    {
        return QDir(m_temporary).entryList(QDir::Files | QDir::Hidden);
    }

    static QStringList common(const QString& output)
    {
        return { output, "--width", "16", "--height", "16", "--font", "Courier New", "--px", "16" };
    }

    void expectRefused(const QStringList& arguments, const QString& message)
    {
        const QString output = path("refused.pix");
        QFile::remove(output);
        const Run run = make(QStringList { output } + arguments);
        QCOMPARE(run.exitCode, 2);
        QVERIFY2(run.err.contains(message), qPrintable(run.err));
        QVERIFY(!QFile::exists(output));
        QVERIFY(leftInTemporary().isEmpty());
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_folder.isValid());
        m_temporary = m_folder.filePath("tmp");
        QVERIFY(QDir().mkpath(m_temporary));
    }

    void makesAFontFromRangesWithoutADisplay()
    {
        const QString output = path("digits.pix");
        const Run run = make(common(output) + QStringList { "--ranges", "30-39,41-5A" });
        QCOMPARE(run.exitCode, 0);
        QVERIFY2(run.out.contains("36 glyphs of 16x16"), qPrintable(run.out));
        QVERIFY2(run.out.contains("Liberation Mono"), qPrintable(run.out));

        const Result<FontLib> read = readPixFile(output.toStdString());
        QVERIFY2(read.ok(), read.message().c_str());
        QCOMPARE(read->info.glyphCount, 36u);
        QCOMPARE(read->info.glyphWidth, std::uint16_t { 16 });
        QVERIFY(read->codeTable.has_value());
        QCOMPARE((*read->codeTable)[0], std::uint16_t { 0x30 });
        QCOMPARE((*read->codeTable)[10], std::uint16_t { 0x41 });
        QCOMPARE((*read->codeTable)[35], std::uint16_t { 0x5A });
        // The temporary character-set file is gone once the font is made.
        QVERIFY2(leftInTemporary().isEmpty(), qPrintable(leftInTemporary().join(' ')));
    }

    // The glyphs are those of the rasteriser with the same font, style and offset.
    void glyphsAreTheRasterisersWithTheGivenStyleAndOffset()
    {
        const QString output = path("bold.pix");
        const Run run = make({ output, "--width", "12", "--height", "16", "--offset", "-3,2",
            "--font", "Liberation Mono", "--px", "14", "--bold", "--italic", "--ranges", "41-43" });
        QCOMPARE(run.exitCode, 0);
        const Result<FontLib> read = readPixFile(output.toStdString());
        QVERIFY(read.ok());
        QCOMPARE(read->info.glyphCount, 3u);

        QFont font(QStringLiteral("Liberation Mono"));
        font.setPixelSize(14);
        font.setWeight(QFont::Bold);
        font.setItalic(true);
        GlyphRenderer renderer;
        QVERIFY(renderer.BeginRender(font, 12, 16, -3, 2));
        for (std::uint32_t k = 0; k < 3; ++k) {
            std::vector<std::uint8_t> expected(32, 0);
            QVERIFY(renderer.RenderGlyph(expected, static_cast<std::uint16_t>(0x41 + k)));
            const auto glyph = read->glyph(k);
            QCOMPARE(std::vector<std::uint8_t>(glyph.begin(), glyph.end()), expected);
            QVERIFY(std::any_of(expected.begin(), expected.end(), [](auto b) { return b != 0; }));
        }
        // The baseline lies where the characters were drawn on: the offset's y below the
        // ascent; --baseline chooses another.
        QCOMPARE(read->baseline, std::optional(2 + QFontMetrics(font).ascent()));
        const QString chosen = path("chosen.pix");
        QCOMPARE(
            make(common(chosen) + QStringList { "--ranges", "41-42", "--baseline", "5" }).exitCode,
            0);
        QCOMPARE(readPixFile(chosen.toStdString())->baseline, std::optional(5));
    }

    // The default drawing, asked for or not, writes byte for byte the fonts it wrote before
    // there was a choice of hinting, but for the baseline, which files kept then did not carry.
    void systemStyleWritesTheKeptFonts_data()
    {
        QTest::addColumn<QString>("family");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("pixelSize");
        QTest::addColumn<QStringList>("hinting");
        for (const auto& [family, name] : { std::pair { "Liberation Mono", "liberation-mono" },
                 std::pair { "DejaVu Sans", "dejavu-sans" } }) {
            for (int size : { 8, 12, 16, 24 }) {
                QTest::addRow("%s %d", name, size) << family << name << size << QStringList {};
                QTest::addRow("%s %d system", name, size)
                    << family << name << size << QStringList { "--hinting", "system" };
            }
        }
    }

    void systemStyleWritesTheKeptFonts()
    {
        QFETCH(QString, family);
        QFETCH(QString, name);
        QFETCH(int, pixelSize);
        QFETCH(QStringList, hinting);
        const QString output = path(QString("%1-%2.pix").arg(name).arg(pixelSize));
        const Run run
            = make(QStringList { output, "--width", QString::number(pixelSize), "--height",
                       QString::number(pixelSize + pixelSize / 4), "--font", family, "--px",
                       QString::number(pixelSize), "--ranges", "20-7E,A0-FF" }
                + hinting);
        QCOMPARE(run.exitCode, 0);
        QFile made(output);
        QFile kept(QString(TEST_DATA_DIR "/system-glyphs/%1-%2.pix").arg(name).arg(pixelSize));
        QVERIFY(made.open(QIODevice::ReadOnly) && kept.open(QIODevice::ReadOnly));
        QVERIFY(kept.size() > 28);
        QByteArray bytes = made.readAll();
        QCOMPARE(bytes.mid(pix::baselineOffset, 2), QByteArray("BL"));
        bytes.replace(pix::baselineOffset, 4, QByteArray(4, '\0'));
        QVERIFY(bytes == kept.readAll());
    }

    // Each style reaches the glyphs, also for a font given as a file: the font holds what
    // the style's drawer draws.
    void eachStyleDrawsTheGlyphs_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<int>("style");
        for (const HintingStyleInfo& info : hintingStyles) {
            QTest::newRow(info.option) << QString(info.option) << int(info.style);
        }
    }

    void eachStyleDrawsTheGlyphs()
    {
        QFETCH(QString, option);
        QFETCH(int, style);
        const QString output = path("styled-" + option + ".pix");
        const Run run = make({ output, "--width", "9", "--height", "15", "--offset", "1,-1",
            "--font", dejaVuMono, "--px", "12", "--hinting", option, "--ranges", "40-5A" });
        QCOMPARE(run.exitCode, 0);
        const Result<FontLib> read = readPixFile(output.toStdString());
        QVERIFY(read.ok());
        QCOMPARE(read->info.glyphCount, 27u);

        QFont font(QStringLiteral("DejaVu Sans Mono"));
        font.setPixelSize(12);
        font.setWeight(QFont::Normal);
        auto drawer = openGlyphDrawer(
            GlyphDrawingParams { font, dejaVuMono, 9, 15, 1, -1, HintingStyle(style) });
        QVERIFY2(drawer.ok(), drawer.message().c_str());
        for (std::uint32_t k = 0; k < 27; ++k) {
            std::vector<std::uint8_t> expected(30, 0);
            (*drawer)->drawGlyph(static_cast<std::uint16_t>(0x40 + k), expected);
            const auto glyph = read->glyph(k);
            QCOMPARE(std::vector<std::uint8_t>(glyph.begin(), glyph.end()), expected);
        }
    }

    void makesAFontFromACharacterSetFile()
    {
        const QString charSet = writeFile("set.txt", QByteArray("AB\r\n"));
        const QString output = path("set.pix");
        const Run run = make(common(output) + QStringList { "--charset", charSet });
        QCOMPARE(run.exitCode, 0);
        const Result<FontLib> read = readPixFile(output.toStdString());
        QVERIFY(read.ok());
        QCOMPARE(*read->codeTable, (std::vector<std::uint16_t> { 0x41, 0x42, 0x0D, 0x0A }));
    }

    void findsAShippedCharacterSetByName()
    {
        const QString output = path("ascii.pix");
        const Run run = make(common(output) + QStringList { "--charset", "ascii.txt" });
        QCOMPARE(run.exitCode, 0);
        const Result<FontLib> read = readPixFile(output.toStdString());
        QVERIFY(read.ok());
        QCOMPARE(read->info.glyphCount, 95u);
    }

    void takesAFontFile()
    {
        const QString output = path("file.pix");
        const Run run = make({ output, "--width", "8", "--height", "16", "--font", dejaVuMono,
            "--px", "13", "--ranges", "2580-2590" });
        QCOMPARE(run.exitCode, 0);
        QVERIFY2(run.out.contains("DejaVu Sans Mono"), qPrintable(run.out));
        const Result<FontLib> read = readPixFile(output.toStdString());
        QVERIFY(read.ok());
        QCOMPARE(read->info.glyphCount, 17u);
        // U+2588, the full block, fills whole rows.
        const auto block = read->glyph(8);
        QVERIFY(std::count(block.begin(), block.end(), 0xFF) >= 8);
    }

    // Characters the face has no glyph for are listed; with --strict they are refused.
    void listsTheCharactersTheFaceLacks()
    {
        const QString output = path("lacking.pix");
        const QStringList arguments { output, "--width", "8", "--height", "16", "--font",
            dejaVuMono, "--px", "13", "--ranges", "41-42,4E2D-4E2E,6587-6588" };
        const Run run = make(arguments);
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.err,
            QString("tessellon-cli make: warning: 4 characters not in DejaVu Sans Mono: U+4E2D "
                    "U+4E2E U+6587 U+6588\n"));
        QVERIFY(QFile::remove(output));
        expectRefused(arguments.mid(1) + QStringList { "--strict" },
            "tessellon-cli make: 4 characters not in DejaVu Sans Mono: U+4E2D U+4E2E U+6587 "
            "U+6588; nothing was written (--strict)\n");
        const Run covered = make(QStringList { output, "--strict" } + arguments.mid(1, 8)
            + QStringList { "--ranges", "20-7E" });
        QCOMPARE(covered.exitCode, 0);
        QCOMPARE(covered.err, QString());
    }

    // A family name that no installed family has is drawn with fontconfig's choice, and
    // said so; with --strict it is refused.
    void saysWhenTheFamilyIsNotInstalled()
    {
        const QStringList arguments { "--width", "8", "--height", "16", "--font", "NoSuchFamilyXYZ",
            "--px", "13", "--ranges", "41-42" };
        const Run run = make(QStringList { path("substitute.pix") } + arguments);
        QCOMPARE(run.exitCode, 0);
        QVERIFY2(run.err.startsWith("tessellon-cli make: warning: no installed font family is "
                                    "named NoSuchFamilyXYZ: the glyphs are drawn with "),
            qPrintable(run.err));
        expectRefused(arguments + QStringList { "--strict" }, "nothing was written (--strict)");
    }

    // A recipe over an outline font gives what make and export give for the same choices,
    // after its header.
    void buildDrawsAsMakeAndExportDo()
    {
        writeFile("recipe.tfont",
            "font = " + dejaVuMono.toUtf8()
                + "\nsize = 13\ncell = 8x16\noffset = 0,-1\nhinting = light\n"
                  "ranges = 20-7E\nchars-from = main.c\n[output]\nfile = recipe.c\n");
        writeFile("main.c", "puts(\"\xC3\xA9t\xC3\xA9 \xE4\xB8\xAD\");");
        const Run built = build({ path("recipe.tfont") });
        QCOMPARE(built.exitCode, 0);
        QCOMPARE(built.err,
            QString("tessellon-cli build: warning: 1 character not in DejaVu Sans Mono: U+4E2D\n"));
        QByteArray codes("\xFF\xFE");
        for (char16_t code = 0x20; code <= 0x7E; ++code) {
            codes.append(static_cast<char>(code)).append('\0');
        }
        codes.append("\xE9\x00\x2D\x4E", 4);
        const Run made = make({ path("made.pix"), "--width", "8", "--height", "16", "--offset",
            "0,-1", "--font", dejaVuMono, "--px", "13", "--hinting", "light", "--charset",
            writeFile("made.txt", codes) });
        QCOMPARE(made.exitCode, 0);
        QProcess exporter;
        exporter.start(TESSELLON_CLI, { "export", path("made.pix"), "-o", path("made.c") });
        QVERIFY(exporter.waitForFinished(60000));
        QCOMPARE(exporter.exitCode(), 0);
        const QByteArray recipeOutput = test::fileBytes(path("recipe.c"));
        const QByteArray body = recipeOutput.mid(recipeOutput.indexOf(" */\r\n") + 5);
        QCOMPARE(body, test::fileBytes(path("made.c")));
        QCOMPARE(build({ path("recipe.tfont"), "--check" }).exitCode, 0);
        QCOMPARE(build({ path("recipe.tfont"), "--strict" }).exitCode, 2);
    }

    void rangeThatGivesNothingMakesAnEmptyFont()
    {
        const QString output = path("empty.pix");
        const Run run = make(common(output) + QStringList { "--ranges", "41-41" });
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.err.contains("gives no code"));
        QCOMPARE(QFile(output).size(), 28);
    }

    void noProgressBarWhenStandardErrorIsNoTerminal()
    {
        const Run run = make(common(path("quiet.pix")) + QStringList { "--ranges", "20-7E" });
        QCOMPARE(run.exitCode, 0);
        QVERIFY2(!run.err.contains('#') && !run.err.contains('%'), qPrintable(run.err));
    }

    void refusesBadArguments()
    {
        const QStringList font { "--font", "Courier New", "--px", "16", "--ranges", "30-39" };
        expectRefused(QStringList { "--width", "0", "--height", "16" } + font, "--width must be");
        expectRefused(
            QStringList { "--width", "16", "--height", "257" } + font, "--height must be");
        expectRefused(QStringList { "--width", "abc", "--height", "16" } + font, "not 'abc'");
        expectRefused(QStringList { "--width", "16", "--height", "16", "--offset", "1" } + font,
            "--offset must be X,Y");
        expectRefused(
            QStringList { "--width", "16", "--height", "16", "--px", "16", "--ranges", "30-39" },
            "--font is needed");
        expectRefused(QStringList { "--width", "16", "--height", "16", "--font", "Courier New",
                          "--ranges", "30-39" },
            "--px is needed");
        expectRefused(QStringList { "--width", "16", "--height", "16", "--font", "Courier New",
                          "--px", "16" },
            "either --charset or --ranges");
        expectRefused(
            QStringList { "--width", "16", "--height", "16", "--charset", "x.txt" } + font,
            "either --charset or --ranges");
        expectRefused(QStringList { "--width", "16", "--height", "16", "--frobnicate" } + font,
            "unknown option '--frobnicate'");
        expectRefused(QStringList { "--width", "16" } + font, "--width and --height are needed");
        for (const char* hinting : { "Auto", "", "slight", "full" }) {
            expectRefused(
                QStringList { "--width", "16", "--height", "16", "--hinting", hinting } + font,
                QString("--hinting must be one of system, auto, light, none, not '%1'")
                    .arg(hinting));
        }
    }

    void refusesBadRanges()
    {
        for (const char* ranges : { "30-3G", "30", "30-39,", "-39", "12345-12346", "30--39" }) {
            expectRefused(QStringList { "--width", "16", "--height", "16", "--font", "Courier New",
                              "--px", "16", "--ranges", QString(ranges) },
                "a range must be FROM-TO");
        }
    }

    void refusesUnusableFiles()
    {
        const QStringList size { "--width", "16", "--height", "16", "--px", "16" };
        const QStringList courier { "--font", "Courier New" };
        expectRefused(size + courier + QStringList { "--charset", path("missing.txt") },
            "Cannot open file " + path("missing.txt") + ": No such file or directory");
        expectRefused(size + courier + QStringList { "--charset", m_folder.path() },
            "Cannot open file " + m_folder.path() + ": it is a folder");
        expectRefused(size + QStringList { "--font", "/nonexistent/font.ttf", "--ranges", "30-39" },
            "Cannot open file /nonexistent/font.ttf: No such file or directory");
        const QString notAFont = writeFile("notafont.ttf", QByteArray("not a font at all"));
        expectRefused(size + QStringList { "--font", notAFont, "--ranges", "30-39" },
            "Cannot load font file " + notAFont + ": not a font Qt can read");
        QFile::remove(notAFont);
    }

    // A FIFO would make the command wait for a writer for ever.
    void refusesFifos()
    {
        const QString fifo = path("fifo");
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        const QStringList size { "--width", "16", "--height", "16", "--px", "16" };
        expectRefused(size + QStringList { "--font", "Courier New", "--charset", fifo },
            "Cannot open file " + fifo + ": it is not a regular file");
        expectRefused(size + QStringList { "--font", fifo, "--ranges", "30-39" },
            "Cannot open file " + fifo + ": it is not a regular file");
        QFile::remove(fifo);
    }

    // Font files are read whole: one far larger than any real font is refused unread.
    void refusesAHugeFontFile()
    {
        const QString huge = path("huge.ttf");
        QFile file(huge);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.resize(qint64 { 300 } << 20));
        file.close();
        expectRefused(QStringList { "--width", "16", "--height", "16", "--px", "16", "--font", huge,
                          "--ranges", "30-39" },
            "Cannot open file " + huge
                + ": it is larger than 256 MB, the most a font file may hold");
        QFile::remove(huge);
    }

    // Thousands of full ranges are refused before any code is made or written.
    void refusesRangesBeyondTheGlyphLimit()
    {
        for (int copies : { 17, 2000, 18000 }) {
            QStringList ranges;
            for (int i = 0; i < copies; ++i) {
                ranges << "0-FFFF";
            }
            expectRefused(QStringList { "--width", "16", "--height", "16", "--font", "Courier New",
                              "--px", "16", "--ranges", ranges.join(',') },
                QString("The character set holds %1 characters; at most 1048576 are allowed.")
                    .arg(65536ll * copies));
        }
    }

    // Making a font must not replace the files it is made from, however they are named.
    void refusesAnOutputThatIsAnInput()
    {
        const QString charSet = writeFile("input.txt", QByteArray("AB"));
        const QStringList size { "--width", "16", "--height", "16", "--px", "16" };
        const QString sameCharSet = m_folder.path() + "/./input.txt";
        QVERIFY(QFile::link(charSet, path("link.pix")));
        for (const QString& output : { charSet, sameCharSet, path("link.pix") }) {
            const Run run = make(QStringList { output } + size
                + QStringList { "--font", "Courier New", "--charset", charSet });
            QCOMPARE(run.exitCode, 2);
            QVERIFY2(run.err.contains("is the character-set file"), qPrintable(run.err));
        }
        QCOMPARE(QFile(charSet).size(), 2);

        const QString font = path("font.ttf");
        QVERIFY(QFile::copy(dejaVuMono, font));
        const Run run = make(
            QStringList { font } + size + QStringList { "--font", font, "--ranges", "30-39" });
        QCOMPARE(run.exitCode, 2);
        QVERIFY2(run.err.contains("is the font file"), qPrintable(run.err));
        QCOMPARE(QFile(font).size(), QFile(dejaVuMono).size());
        for (const QString& name : { charSet, path("link.pix"), font }) {
            QFile::remove(name);
        }
    }

    // Interrupted while it draws (Ctrl-C, kill, a closed terminal): the command ends by the
    // signal, as it would without cleaning up, but leaves neither its temporary
    // character-set file nor an output file behind.
    void interruptionLeavesNoFiles_data()
    {
        QTest::addColumn<int>("signal");
        QTest::newRow("SIGINT") << int { SIGINT };
        QTest::newRow("SIGTERM") << int { SIGTERM };
        QTest::newRow("SIGHUP") << int { SIGHUP };
    }

    void interruptionLeavesNoFiles()
    {
        QFETCH(int, signal);
        QStringList ranges;
        for (int i = 0; i < 15; ++i) {
            ranges << "0-FFFF";
        }
        QProcess process;
        startMake(process,
            common(path("interrupted.pix"))
                + QStringList { "--ranges", ranges.join(','), "--threads", "4" });
        QVERIFY(process.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(!leftInTemporary().isEmpty(), 20000);
        // It draws: its four drawing threads run beside the main one.
        QTRY_VERIFY_WITH_TIMEOUT(threadCount(process.processId()) > 4, 20000);
        QCOMPARE(::kill(static_cast<pid_t>(process.processId()), signal), 0);
        QVERIFY(process.waitForFinished(20000));
        QCOMPARE(process.exitStatus(), QProcess::CrashExit);
        QCOMPARE(process.exitCode(), signal);
        QVERIFY2(leftInTemporary().isEmpty(), qPrintable(leftInTemporary().join(' ')));
        QVERIFY2(leftBeside("interrupted.pix").isEmpty(),
            qPrintable(leftBeside("interrupted.pix").join(' ')));
    }

    // A write beyond the file-size limit fails as any failed write does, and the output's
    // temporary file goes.
    void fileSizeLimitFailsTheWrite()
    {
        const QString output = path("limited.pix");
        const Run run = make(common(output) + QStringList { "--ranges", "20-7E" }, 2048);
        QCOMPARE(run.exitCode, 2);
        QVERIFY2(run.err.contains("Cannot write file " + output + ": File too large"),
            qPrintable(run.err));
        QVERIFY2(
            leftBeside("limited.pix").isEmpty(), qPrintable(leftBeside("limited.pix").join(' ')));
        QVERIFY(leftInTemporary().isEmpty());
    }

    void unwritableOutputIsAnError()
    {
        const Run run
            = make(common(path("no/such/folder/out.pix")) + QStringList { "--ranges", "30-39" });
        QCOMPARE(run.exitCode, 2);
        QVERIFY2(run.err.contains("Cannot create file"), qPrintable(run.err));
        QVERIFY(leftInTemporary().isEmpty());
    }
};

} // namespace tessellon

QTEST_MAIN(tessellon::MakeCommandTest)
#include "MakeCommand_test.moc"
