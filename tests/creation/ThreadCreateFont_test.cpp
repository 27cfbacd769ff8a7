#include "creation/ThreadCreateFont.h"

#include "creation/GlyphDrawing.h"
#include "creation/GlyphRenderer.h"
#include "creation/TemporaryCharSetFile.h"
#include "creation/UnicodeRangeGrid.h"
#include "document/FontLib.h"

#include "WaitUntil.h"

#include <QElapsedTimer>
#include <QFile>
#include <QPointer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <atomic>

namespace tessellon {

namespace {

    QFont testFont()
    {
        QFont font(QStringLiteral("Liberation Mono"));
        font.setPixelSize(16);
        return font;
    }

    // How a font is drawn, and from which character set.
    struct MakingParams : GlyphDrawingParams {
        QString charSetFile;
    };

    MakingParams paramsFor(const QString& charSetFile, int width = 16, int height = 16)
    {
        MakingParams params;
        params.glyphWidth = width;
        params.glyphHeight = height;
        params.offsetX = 1;
        params.offsetY = -1;
        params.font = testFont();
        params.charSetFile = charSetFile;
        return params;
    }

    QString writeFile(const QTemporaryDir& folder, const QString& name, const QByteArray& bytes)
    {
        const QString path = folder.filePath(name);
        QFile file(path);
        if (file.open(QIODevice::WriteOnly)) {
            file.write(bytes);
        }
        return path;
    }

    QByteArray utf16File(const std::vector<std::uint16_t>& codes)
    {
        QByteArray bytes("\xFF\xFE", 2);
        for (std::uint16_t code : codes) {
            bytes.append(static_cast<char>(code & 0xFF));
            bytes.append(static_cast<char>(code >> 8));
        }
        return bytes;
    }

    std::vector<std::uint16_t> rangeCodes(std::uint16_t from, int count)
    {
        std::vector<std::uint16_t> codes;
        for (int i = 0; i < count; ++i) {
            codes.push_back(static_cast<std::uint16_t>(from + i));
        }
        return codes;
    }

    // The glyph of code drawn directly, as the worker should draw it in the params' style.
    std::vector<std::uint8_t> directGlyph(const MakingParams& params, std::uint16_t code)
    {
        std::vector<std::uint8_t> glyph(rowBytesFor(params.glyphWidth) * params.glyphHeight, 0);
        if (params.hinting == HintingStyle::System) {
            GlyphRenderer renderer;
            renderer.BeginRender(
                params.font, params.glyphWidth, params.glyphHeight, params.offsetX, params.offsetY);
            renderer.RenderGlyph(glyph, code);
            return glyph;
        }
        auto drawer = openGlyphDrawer(GlyphDrawingParams(params));
        if (drawer) {
            (*drawer)->drawGlyph(code, glyph);
        }
        return glyph;
    }

    // A font being made: the worker, the font it fills and the run it reports to, set up as
    // the editor sets them up; a worker with nothing to draw when the set-up was refused.
    struct Making {
        FontLib font;
        QPointer<ThreadCreateFont> worker;
        std::shared_ptr<CreateFontRun> run;
        std::uint32_t glyphCount = 0;
        Status setUp;

        explicit Making(const MakingParams& params)
            : worker(new ThreadCreateFont)
            , run(worker->runState())
        {
            worker->setReleaseOnEnd(true);
            auto made = setUpNewFont(params, QFile::encodeName(params.charSetFile).toStdString());
            if (!made) {
                setUp = failure(made.message());
                return;
            }
            font = std::move(made->font);
            glyphCount = font.info.glyphCount;
            worker->setDrawing(std::move(made->drawing));
        }

        std::vector<std::uint8_t> glyph(std::uint32_t index) const
        {
            const auto bytes = font.glyph(index);
            return { bytes.begin(), bytes.end() };
        }
        bool blank(std::uint32_t index) const
        {
            const auto bytes = font.glyph(index);
            return std::all_of(bytes.begin(), bytes.end(), [](auto b) { return b == 0; });
        }
    };

} // namespace

class ThreadCreateFontTest : public QObject {
    Q_OBJECT

private slots:
    void drawsEveryCodeOfTheDefaultRanges_data()
    {
        QTest::addColumn<int>("hinting");
        for (const HintingStyleInfo& info : hintingStyles) {
            QTest::newRow(info.option) << int(info.style);
        }
    }

    // In the style asked for.
    void drawsEveryCodeOfTheDefaultRanges()
    {
        QFETCH(int, hinting);
        const auto codes = UnicodeRangeGrid().codes();
        const auto charSet = TemporaryCharSetFile::create(codes);
        QVERIFY(charSet.ok());
        MakingParams params = paramsFor(QString::fromStdString(charSet->path()));
        params.hinting = HintingStyle(hinting);
        Making making(params);
        QCOMPARE(making.glyphCount, 62u);
        QSignalSpy closed(making.worker.data(), &ThreadCreateFont::closeProgressRequested);
        making.worker->start();
        QVERIFY(closed.wait(10000));
        making.run->stopAndWait();
        QCOMPARE(*making.font.codeTable, codes);
        for (std::uint32_t k = 0; k < 62; ++k) {
            QCOMPARE(making.glyph(k), directGlyph(params, codes[k]));
        }
        QVERIFY(!making.blank(10));
    }

    // At each progress update the font holds exactly the glyphs taken so far, although the
    // worker has drawn further.
    void fontAdvancesOneGlyphPerHandOver()
    {
        const auto codes = UnicodeRangeGrid().codes();
        const auto charSet = TemporaryCharSetFile::create(codes);
        QVERIFY(charSet.ok());
        Making making(paramsFor(QString::fromStdString(charSet->path())));
        ThreadCreateFont* worker = making.worker.data();
        int handOvers = 0;
        bool inStep = true;
        connect(worker, &ThreadCreateFont::progressChanged, this, [&](int) {
            const std::uint32_t done = static_cast<std::uint32_t>((worker->doneBytes() - 2) / 2);
            ++handOvers;
            inStep = inStep && done == static_cast<std::uint32_t>(handOvers)
                && (*making.font.codeTable)[done - 1] == codes[done - 1]
                && (done == 62 || ((*making.font.codeTable)[done] == 0 && making.blank(done)));
        });
        QSignalSpy closed(worker, &ThreadCreateFont::closeProgressRequested);
        worker->start();
        QVERIFY(closed.wait(10000));
        making.run->stopAndWait();
        QCOMPARE(handOvers, 62);
        QVERIFY(inStep);
    }

    // 12 x 16 glyphs: two bytes a row, glyph k at byte 32 k; a block wider than the glyph
    // leaves the padding bits of every row clear.
    void twelveBySixteenGlyphsKeepTheirPaddingClear()
    {
        QTemporaryDir folder;
        const std::vector<std::uint16_t> codes { 0x2588, 0x41, 0x2588 };
        const QString path = writeFile(folder, "blocks.txt", utf16File(codes));
        MakingParams params = paramsFor(path, 12, 16);
        params.font = QFont(QStringLiteral("DejaVu Sans Mono"));
        params.font.setPixelSize(26);
        params.offsetX = 0;
        params.offsetY = 0;
        Making making(params);
        QCOMPARE(making.glyphCount, 3u);
        QCOMPARE(making.font.glyphBytes(), std::size_t { 32 });
        QSignalSpy closed(making.worker.data(), &ThreadCreateFont::closeProgressRequested);
        making.worker->start();
        QVERIFY(closed.wait(10000));
        making.run->stopAndWait();
        for (std::uint32_t k = 0; k < 3; ++k) {
            QCOMPARE(making.glyph(k), directGlyph(params, codes[k]));
            for (int row = 0; row < 16; ++row) {
                QCOMPARE(making.font.pixelData[32 * k + 2 * row + 1] & 0x0F, 0);
            }
        }
        // The block reaches the glyph's last column, so the padding was really at stake.
        QVERIFY(making.font.pixel(0, 11, 8));
    }

    void progressGoesByBytesOfTheFile()
    {
        QTemporaryDir folder;
        const QString path = writeFile(folder, "64.txt", utf16File(rangeCodes(0x41, 64)));
        QCOMPARE(QFile(path).size(), 130);
        Making making(paramsFor(path));
        QCOMPARE(making.glyphCount, 64u);
        QList<int> positions;
        connect(making.worker.data(), &ThreadCreateFont::progressChanged, this,
            [&](int percent) { positions.append(percent); });
        QSignalSpy closed(making.worker.data(), &ThreadCreateFont::closeProgressRequested);
        making.worker->start();
        QVERIFY(closed.wait(10000));
        making.run->stopAndWait();
        QList<int> expected;
        for (int glyphs = 1; glyphs <= 64; ++glyphs) {
            expected.append((2 + 2 * glyphs) * 100 / 130);
        }
        QCOMPARE(positions, expected);
        QCOMPARE(positions.first(), 3);
        QCOMPARE(positions.last(), 100);
    }

    // Cancel handled on the GUI thread right after glyph 10 of 62 was taken: the glyphs the
    // worker has drawn further are never stored.
    void stopAfterGlyphTenLeavesTheRestBlank()
    {
        const auto codes = UnicodeRangeGrid().codes();
        const auto charSet = TemporaryCharSetFile::create(codes);
        QVERIFY(charSet.ok());
        Making making(paramsFor(QString::fromStdString(charSet->path())));
        QCOMPARE(making.glyphCount, 62u);
        auto run = making.run;
        ThreadCreateFont* worker = making.worker.data();
        connect(worker, &ThreadCreateFont::progressChanged, this, [worker, run](int) {
            if (worker->doneBytes() == 2 + 2 * 10) {
                run->requestStop();
            }
        });
        QSignalSpy closed(worker, &ThreadCreateFont::closeProgressRequested);
        worker->start();
        QVERIFY(closed.wait(10000));
        run->stopAndWait();

        QCOMPARE(making.font.info.glyphCount, 62u);
        for (std::uint32_t k = 0; k < 10; ++k) {
            QCOMPARE((*making.font.codeTable)[k], codes[k]);
            QVERIFY(!making.blank(k));
        }
        for (std::uint32_t k = 10; k < 62; ++k) {
            QCOMPARE((*making.font.codeTable)[k], std::uint16_t { 0 });
            QVERIFY(making.blank(k));
        }
    }

    void emptyCharacterSetGivesZeroGlyphsAndCloses()
    {
        QTemporaryDir folder;
        const QString path = writeFile(folder, "empty.txt", QByteArray("\xFF\xFE", 2));
        Making making(paramsFor(path));
        QCOMPARE(making.glyphCount, 0u);
        QSignalSpy closed(making.worker.data(), &ThreadCreateFont::closeProgressRequested);
        QSignalSpy progress(making.worker.data(), &ThreadCreateFont::progressChanged);
        making.worker->start();
        QVERIFY(closed.wait(10000));
        making.run->stopAndWait();
        QCOMPARE(progress.count(), 0);
        QVERIFY(making.font.pixelData.empty());
    }

    void missingCharacterSetGivesZeroGlyphsAndCloses()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath("missing.txt");
        Making making(paramsFor(path));
        QCOMPARE(making.glyphCount, 0u);
        QVERIFY(making.setUp.message().find("missing.txt") != std::string::npos);
        QCOMPARE(making.worker->totalBytes(), std::uint64_t { 0 });
        QSignalSpy closed(making.worker.data(), &ThreadCreateFont::closeProgressRequested);
        making.worker->start();
        QVERIFY(closed.wait(10000));
        making.run->stopAndWait();
    }

    void eightBitFileGivesItsBytesAsCodes()
    {
        QTemporaryDir folder;
        const QString path = writeFile(folder, "latin.txt", QByteArray("A\xE9\r\n", 4));
        Making making(paramsFor(path));
        QCOMPARE(making.glyphCount, 4u);
        QSignalSpy closed(making.worker.data(), &ThreadCreateFont::closeProgressRequested);
        making.worker->start();
        QVERIFY(closed.wait(10000));
        making.run->stopAndWait();
        QCOMPARE(*making.font.codeTable, (std::vector<std::uint16_t> { 0x41, 0xE9, 0x0D, 0x0A }));
    }

    void workerReleasesItselfWhenItEnds()
    {
        QTemporaryDir folder;
        const QString path = writeFile(folder, "two.txt", QByteArray("AB"));
        Making making(paramsFor(path));
        QSignalSpy destroyed(making.worker.data(), &QObject::destroyed);
        making.worker->start();
        QVERIFY(destroyed.wait(10000));
        QVERIFY(making.worker.isNull());
        QVERIFY(making.run->hasStopped());
        making.run->stopAndWait();
        QCOMPARE(*making.font.codeTable, (std::vector<std::uint16_t> { 0x41, 0x42 }));
    }

    // The GUI thread runs no event loop here, so no glyph is ever taken: the stop request
    // must still end the worker, and nothing has been stored in the font.
    void stopEndsAWorkerWhoseGlyphsAreNotTaken()
    {
        const auto charSet = TemporaryCharSetFile::create(UnicodeRangeGrid().codes());
        QVERIFY(charSet.ok());
        Making making(paramsFor(QString::fromStdString(charSet->path())));
        making.worker->setReleaseOnEnd(false);
        // Told in place of the event loop: glyphs have been drawn and wait to be taken.
        std::atomic<bool> glyphsWait { false };
        making.run->setNotifyHook([&] { glyphsWait = true; });
        making.worker->start();
        QVERIFY(test::waitUntil([&] { return glyphsWait.load(); }));
        QElapsedTimer timer;
        timer.start();
        making.run->stopAndWait();
        QVERIFY(timer.elapsed() < 5000);
        for (std::uint32_t k = 0; k < 62; ++k) {
            QCOMPARE((*making.font.codeTable)[k], std::uint16_t { 0 });
            QVERIFY(making.blank(k));
        }
        delete making.worker.data();
    }

    void deletingARunningWorkerStopsIt()
    {
        const auto charSet = TemporaryCharSetFile::create(UnicodeRangeGrid().codes());
        QVERIFY(charSet.ok());
        Making making(paramsFor(QString::fromStdString(charSet->path())));
        making.worker->setReleaseOnEnd(false);
        making.worker->start();
        delete making.worker.data();
        QVERIFY(making.run->hasStopped());
    }

    void stopBeforeStartMeansNothingIsWritten()
    {
        const auto charSet = TemporaryCharSetFile::create(UnicodeRangeGrid().codes());
        QVERIFY(charSet.ok());
        Making making(paramsFor(QString::fromStdString(charSet->path())));
        making.run->stopAndWait();
        QSignalSpy closed(making.worker.data(), &ThreadCreateFont::closeProgressRequested);
        making.worker->start();
        QVERIFY(closed.wait(10000));
        QVERIFY(std::all_of(making.font.codeTable->begin(), making.font.codeTable->end(),
            [](auto code) { return code == 0; }));
    }

    void directHandOversAreServedByTheCaller()
    {
        const auto codes = UnicodeRangeGrid().codes();
        const auto charSet = TemporaryCharSetFile::create(codes);
        QVERIFY(charSet.ok());
        Making making(paramsFor(QString::fromStdString(charSet->path())));
        making.worker->setReleaseOnEnd(false);
        making.worker->setHandOverRoute(ThreadCreateFont::HandOverRoute::Direct);
        QSignalSpy progress(making.worker.data(), &ThreadCreateFont::progressChanged);
        making.worker->start();
        making.worker->serveUntilStopped();
        QVERIFY(making.run->hasStopped());
        QCOMPARE(progress.count(), 62);
        QCOMPARE(progress.last().at(0).toInt(), 100);
        QCOMPARE(*making.font.codeTable, codes);
        delete making.worker.data();
    }

    void unsupportedGlyphSizeIsRefusedBySetUp()
    {
        QTemporaryDir folder;
        const QString path = writeFile(folder, "two.txt", QByteArray("AB"));
        const std::string file = QFile::encodeName(path).toStdString();
        QVERIFY(!setUpNewFont(paramsFor(path, 0, 16), file).ok());
        QVERIFY(!setUpNewFont(paramsFor(path, 16, 300), file).ok());
        const auto setUp = setUpNewFont(paramsFor(path, 16, 16), file);
        QVERIFY(setUp.ok());
        QCOMPARE(setUp->font.info.glyphCount, 2u);
        QCOMPARE(setUp->drawing.arrays.pixelData.data(), setUp->font.pixelData.data());
        QCOMPARE(setUp->font.baseline, GlyphRenderer::cellBaseline(testFont(), 16, -1));
    }

    // A drawer that cannot begin (no drawing surface for the glyph size) leaves the glyphs
    // blank and is the run's outcome, for the editor to tell the user as make does.
    void drawerThatCannotBeginIsTheRunsOutcome()
    {
        QTemporaryDir folder;
        Making making(paramsFor(writeFile(folder, "two.txt", QByteArray("AB"))));
        QVERIFY(making.setUp.ok());
        NewFontDrawing drawing;
        drawing.charSet
            = openFileForReading(QFile::encodeName(folder.filePath("two.txt")).toStdString())
                  .value();
        drawing.plan.params = paramsFor({}, 0, 16);
        drawing.arrays = { making.font.pixelData, *making.font.codeTable, 2, 32 };
        making.worker->setDrawing(std::move(drawing));
        QSignalSpy closed(making.worker.data(), &ThreadCreateFont::closeProgressRequested);
        making.worker->start();
        QVERIFY(closed.wait(10000));
        making.run->stopAndWait();
        QVERIFY(making.run->outcome().message().find("0 x 16") != std::string::npos);
        QVERIFY(making.blank(0) && making.blank(1));
    }
};

} // namespace tessellon

QTEST_MAIN(tessellon::ThreadCreateFontTest)
#include "ThreadCreateFont_test.moc"
