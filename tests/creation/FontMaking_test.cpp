#include "creation/FontMaking.h"

#include "TempDir.h"
#include "WaitUntil.h"

#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <thread>
#include <vector>

namespace tessellon {
namespace {

    using Bytes = std::vector<std::uint8_t>;
    using Codes = std::vector<std::uint16_t>;

    // Glyphs of 16 x 2 pixels (4 bytes): the code's high and low byte in the first row, a
    // marker pixel in the second. It ORs, as a renderer does, so a glyph that was not blank
    // when handed in comes out with more bits.
    class CodeBitsSource final : public GlyphSource {
    public:
        static constexpr int width = 16;
        static constexpr int height = 2;

        static Bytes glyphOf(std::uint16_t code)
        {
            return { static_cast<std::uint8_t>(code >> 8), static_cast<std::uint8_t>(code), 0x80,
                0x00 };
        }

        void drawGlyph(std::uint16_t code, std::span<std::uint8_t> glyph) override
        {
            const Bytes bits = glyphOf(code);
            for (std::size_t i = 0; i < bits.size() && i < glyph.size(); ++i) {
                glyph[i] |= bits[i];
            }
            drawn.push_back(code);
            drawnCount.fetch_add(1);
        }

        Codes drawn;
        std::atomic<std::size_t> drawnCount { 0 }; // for another thread to wait on
    };

    Bytes utf16(const Codes& codes)
    {
        Bytes bytes { 0xFF, 0xFE };
        for (std::uint16_t code : codes) {
            bytes.push_back(static_cast<std::uint8_t>(code));
            bytes.push_back(static_cast<std::uint8_t>(code >> 8));
        }
        return bytes;
    }

    Codes codesFrom(std::uint16_t first, int count)
    {
        Codes codes;
        for (int i = 0; i < count; ++i) {
            codes.push_back(static_cast<std::uint16_t>(first + i));
        }
        return codes;
    }

    // A new font's arrays, filled with non-zero bytes as freshly allocated memory may be, and
    // the loop's run over them.
    struct Making {
        explicit Making(std::uint32_t glyphCount)
            : pixels(glyphCount * 4, 0xEE)
            , codes(glyphCount, 0xEEEE)
        {
            auto claimed = claimNewFontArrays(
                pixels, codes, glyphCount, CodeBitsSource::width, CodeBitsSource::height);
            EXPECT_TRUE(claimed.ok()) << claimed.message();
            arrays = *claimed;
        }

        void draw(const Bytes& charSet)
        {
            MemoryByteSource source(charSet);
            run.setTotalBytes(charSet.size());
            drawCharSet(source, glyphs, arrays, run);
        }

        Bytes glyph(std::uint32_t k) const
        {
            return { pixels.begin() + 4 * k, pixels.begin() + 4 * (k + 1) };
        }

        // Glyphs 0 to count - 1 drawn from expected, every later one blank with code 0.
        bool holdsExactly(const Codes& expected, std::uint32_t count) const
        {
            for (std::uint32_t k = 0; k < codes.size(); ++k) {
                const bool drawn = k < count;
                const std::uint16_t code = drawn ? expected[k] : 0;
                const Bytes bits = drawn ? CodeBitsSource::glyphOf(code) : Bytes(4, 0);
                if (codes[k] != code || glyph(k) != bits) {
                    return false;
                }
            }
            return true;
        }

        Bytes pixels;
        Codes codes;
        NewFontArrays arrays;
        CodeBitsSource glyphs;
        CreateFontRun run;
    };

    TEST(FontMaking, GlyphsAndCodesFollowTheCharacterSetInOrder)
    {
        const struct {
            const char* name;
            Bytes file;
            Codes codes;
        } cases[] = {
            { "8-bit with line end", { 0x41, 0x42, 0x0D, 0x0A }, { 0x41, 0x42, 0x0D, 0x0A } },
            { "8-bit upper half", { 0xE9, 0xFF }, { 0xE9, 0xFF } },
            { "UTF-16, repeated code", utf16({ 0x4E00, 0x41, 0x4E00 }), { 0x4E00, 0x41, 0x4E00 } },
            { "UTF-16, last single byte", { 0xFF, 0xFE, 0x41, 0x00, 0x42 }, { 0x41 } },
        };
        for (const auto& charSet : cases) {
            Making making(static_cast<std::uint32_t>(charSet.codes.size()));
            making.run.answerOnPost([] {});
            making.draw(charSet.file);
            EXPECT_TRUE(making.holdsExactly(charSet.codes, making.arrays.glyphCount))
                << charSet.name;
            EXPECT_EQ(making.glyphs.drawn, charSet.codes) << charSet.name;
        }
    }

    TEST(FontMaking, GlyphCountAndTheEndOfTheFileBoundTheLoop)
    {
        Making fewerGlyphsThanUnits(2);
        fewerGlyphsThanUnits.run.answerOnPost([] {});
        fewerGlyphsThanUnits.draw({ 'A', 'B', 'C', 'D' });
        EXPECT_TRUE(fewerGlyphsThanUnits.holdsExactly({ 'A', 'B' }, 2));
        EXPECT_EQ(fewerGlyphsThanUnits.glyphs.drawn, (Codes { 'A', 'B' }));

        // The file was cut short after it was measured.
        Making fewerUnitsThanGlyphs(5);
        fewerUnitsThanGlyphs.run.answerOnPost([] {});
        fewerUnitsThanGlyphs.draw({ 'A', 'B' });
        EXPECT_TRUE(fewerUnitsThanGlyphs.holdsExactly({ 'A', 'B' }, 2));
    }

    TEST(FontMaking, ProgressGoesByBytesOfTheFile)
    {
        const Bytes file = utf16(codesFrom(0x41, 64));
        ASSERT_EQ(file.size(), 130u);
        Making making(64);
        std::vector<int> positions;
        making.run.answerOnPost(
            [&] { positions.push_back(making.run.percentDone().value_or(-1)); });
        making.draw(file);
        std::vector<int> expected;
        for (int glyphs = 1; glyphs <= 64; ++glyphs) {
            expected.push_back((2 + 2 * glyphs) * 100 / 130);
        }
        EXPECT_EQ(positions, expected);
        EXPECT_EQ(positions.front(), 3);
        EXPECT_EQ(positions.back(), 100);
    }

    TEST(FontMaking, NoProgressIsReportedForAnEmptyFile)
    {
        CreateFontRun run;
        EXPECT_EQ(run.percentDone(), std::nullopt);
        run.setTotalBytes(4);
        run.setDoneBytes(3);
        EXPECT_EQ(run.percentDone(), 75);
    }

    // The loop on a worker, its glyphs taken by another thread: at each update the font holds
    // exactly the glyphs taken so far, although the worker has drawn further.
    TEST(FontMaking, FontAdvancesOneGlyphPerHandOver)
    {
        const Codes codes = codesFrom(0x30, 62);
        const Bytes file = utf16(codes);
        Making making(62);
        making.run.setTotalBytes(file.size());
        std::thread worker([&] {
            EXPECT_TRUE(making.run.enter());
            MemoryByteSource source(file);
            drawCharSet(source, making.glyphs, making.arrays, making.run);
            making.run.markStopped();
        });
        std::uint32_t handOvers = 0;
        bool inStep = true;
        making.run.serveUntilStopped([&] {
            ++handOvers;
            inStep = inStep && making.run.doneBytes() == 2 + 2 * handOvers
                && making.holdsExactly(codes, handOvers);
        });
        worker.join();
        EXPECT_EQ(handOvers, 62u);
        EXPECT_TRUE(inStep);
        EXPECT_TRUE(making.holdsExactly(codes, 62));
    }

    // A stop request given while hand-over n is answered (Cancel pressed while glyph n is
    // drawn): the glyph in hand is not stored, and every later glyph stays blank.
    TEST(FontMaking, StopDuringAHandOverLeavesTheRestBlank)
    {
        const Codes codes = codesFrom(0x30, 62);
        for (std::uint32_t stopAt : { 1u, 10u, 61u }) {
            Making making(62);
            std::uint32_t handOvers = 0;
            making.run.answerOnPost([&] {
                if (++handOvers == stopAt) {
                    making.run.requestStop();
                }
            });
            making.draw(utf16(codes));
            EXPECT_EQ(handOvers, stopAt);
            EXPECT_TRUE(making.holdsExactly(codes, stopAt)) << "stop at " << stopAt;
            EXPECT_LE(making.glyphs.drawn.size(), stopAt + 1u);
        }
    }

    TEST(FontMaking, StopBeforeTheLoopWritesNothing)
    {
        Making making(3);
        making.run.requestStop();
        making.draw({ 'A', 'B', 'C' });
        EXPECT_TRUE(making.holdsExactly({}, 0));
    }

    // Nobody takes the glyphs: the stop request alone must end the loop, which has written
    // nothing into the font (only the other side stores glyphs).
    TEST(FontMaking, StopEndsALoopWhoseGlyphsAreNeverTaken)
    {
        Making making(3);
        std::thread worker([&] {
            making.run.enter();
            making.draw({ 'A', 'B', 'C' });
            making.run.markStopped();
        });
        // The worker has drawn every glyph and waits for them to be taken, however busy the
        // machine is.
        while (making.glyphs.drawnCount.load() < 3) {
            std::this_thread::yield();
        }
        making.run.stopAndWait();
        worker.join();
        EXPECT_TRUE(making.holdsExactly({}, 0));
        EXPECT_EQ(making.glyphs.drawn, (Codes { 'A', 'B', 'C' }));
    }

    // The loop on threads: a CodeBitsSource a thread, its glyphs and progress as one
    // source on one thread gives them.
    struct ThreadedMaking : Making {
        using Making::Making;

        Status drawOnThreads(const Bytes& charSet, unsigned threads)
        {
            MemoryByteSource source(charSet);
            run.setTotalBytes(charSet.size());
            return drawCharSetOnThreads(source, opener, threads, arrays, run);
        }

        GlyphSourceOpener opener = [this]() -> Result<std::unique_ptr<GlyphSource>> {
            if (opens.fetch_add(1) < failingOpens) {
                return failure("no surface");
            }
            return std::unique_ptr<GlyphSource>(std::make_unique<CodeBitsSource>());
        };
        std::atomic<int> opens { 0 };
        int failingOpens = 0;
    };

    struct Progress {
        Bytes pixels;
        Codes codes;
        std::vector<std::uint64_t> doneBytes;
    };

    template <class Draw> Progress progressOf(Making& making, Draw draw)
    {
        Progress progress;
        making.run.answerOnPost([&] { progress.doneBytes.push_back(making.run.doneBytes()); });
        draw();
        progress.pixels = making.pixels;
        progress.codes = making.codes;
        return progress;
    }

    TEST(FontMaking, ThreadsGiveTheGlyphsAndProgressOfOneSource)
    {
        Codes manyCodes;
        for (int i = 0; i < 5000; ++i) {
            manyCodes.push_back(static_cast<std::uint16_t>(i * 37 % 65536));
        }
        const struct {
            const char* name;
            Bytes file;
            std::uint32_t glyphCount;
        } cases[] = {
            { "empty", {}, 0 },
            { "one glyph", { 'A' }, 1 },
            { "one batch", utf16(codesFrom(0x41, 32)), 32 },
            { "a batch and one", utf16(codesFrom(0x41, 33)), 33 },
            { "95 glyphs", utf16(codesFrom(0x20, 95)), 95 },
            { "5000 glyphs, more than the ring", utf16(manyCodes), 5000 },
            { "fewer glyphs than units", utf16(codesFrom(0x41, 80)), 70 },
            { "file cut short", utf16(codesFrom(0x41, 40)), 50 },
        };
        for (const auto& charSet : cases) {
            Making single(charSet.glyphCount);
            const Progress expected = progressOf(single, [&] { single.draw(charSet.file); });
            for (unsigned threads : { 1u, 2u, 3u, 8u }) {
                ThreadedMaking threaded(charSet.glyphCount);
                Status drawn = failure("not run");
                const Progress got = progressOf(
                    threaded, [&] { drawn = threaded.drawOnThreads(charSet.file, threads); });
                EXPECT_TRUE(drawn.ok()) << charSet.name << ", " << threads << " threads";
                EXPECT_EQ(got.pixels, expected.pixels) << charSet.name << ", " << threads;
                EXPECT_EQ(got.codes, expected.codes) << charSet.name << ", " << threads;
                EXPECT_EQ(got.doneBytes, expected.doneBytes) << charSet.name << ", " << threads;
                EXPECT_EQ(threaded.opens.load(), static_cast<int>(threads)) << charSet.name;
            }
        }
    }

    // The glyphs taken by another thread while the threads draw, as the editor takes them.
    TEST(FontMaking, ThreadsHandOverToAServingThread)
    {
        const Codes codes = codesFrom(0x100, 500);
        const Bytes file = utf16(codes);
        ThreadedMaking making(500);
        std::thread worker([&] {
            EXPECT_TRUE(making.run.enter());
            EXPECT_TRUE(making.drawOnThreads(file, 3).ok());
            making.run.markStopped();
        });
        std::uint32_t handOvers = 0;
        bool inStep = true;
        making.run.serveUntilStopped([&] {
            ++handOvers;
            inStep = inStep && making.run.doneBytes() == 2 + 2 * handOvers;
        });
        worker.join();
        EXPECT_EQ(handOvers, 500u);
        EXPECT_TRUE(inStep);
        EXPECT_TRUE(making.holdsExactly(codes, 500));
    }

    // A stop request given while hand-over n is answered: the glyph in hand and every later
    // one stay blank, and the call returns once every drawing thread has ended.
    TEST(FontMaking, StopOnThreadsLeavesTheRestBlank)
    {
        const Codes codes = codesFrom(0x30, 2000);
        for (std::uint32_t stopAt : { 1u, 33u, 1999u }) {
            ThreadedMaking making(2000);
            std::uint32_t handOvers = 0;
            making.run.answerOnPost([&] {
                if (++handOvers == stopAt) {
                    making.run.requestStop();
                }
            });
            EXPECT_TRUE(making.drawOnThreads(utf16(codes), 4).ok());
            EXPECT_EQ(handOvers, stopAt);
            EXPECT_TRUE(making.holdsExactly(codes, stopAt)) << "stop at " << stopAt;
        }
    }

    // A source that gives the stop request itself while it draws a glyph: after it, each
    // thread starts at most the one glyph it was about to, then ends.
    TEST(FontMaking, StopEndsEveryDrawingThreadBeforeItsNextGlyph)
    {
        class StoppingSource final : public GlyphSource {
        public:
            StoppingSource(CreateFontRun& run, std::atomic<int>& drawnAfterStop)
                : m_run(run)
                , m_drawnAfterStop(drawnAfterStop)
            {
            }

            void drawGlyph(std::uint16_t code, std::span<std::uint8_t>) override
            {
                if (m_run.stopRequested()) {
                    ++m_drawnAfterStop;
                } else if (code == 0x300) {
                    m_run.requestStop();
                }
            }

        private:
            CreateFontRun& m_run;
            std::atomic<int>& m_drawnAfterStop;
        };

        for (unsigned threads : { 1u, 2u, 4u }) {
            Making making(5000);
            std::atomic<int> drawnAfterStop { 0 };
            making.run.answerOnPost([] {});
            const Bytes charSet = utf16(codesFrom(0x100, 5000));
            MemoryByteSource source(charSet);
            const Status drawn = drawCharSetOnThreads(
                source,
                [&]() -> Result<std::unique_ptr<GlyphSource>> {
                    return std::unique_ptr<GlyphSource>(
                        std::make_unique<StoppingSource>(making.run, drawnAfterStop));
                },
                threads, making.arrays, making.run);
            EXPECT_TRUE(drawn.ok());
            EXPECT_LT(drawnAfterStop.load(), static_cast<int>(threads)) << threads << " threads";
            EXPECT_EQ(making.codes[0x200], 0) << "glyphs after the stop stay blank";
        }
    }

    TEST(FontMaking, ThreadsWithoutASourceLeaveTheFontBlankAndSayWhy)
    {
        const Codes codes = codesFrom(0x41, 100);
        ThreadedMaking noneOpens(100);
        noneOpens.failingOpens = 3;
        noneOpens.run.answerOnPost([] {});
        EXPECT_EQ(noneOpens.drawOnThreads(utf16(codes), 3).message(), "no surface");
        EXPECT_TRUE(noneOpens.holdsExactly({}, 0));

        // The threads that could open a source draw every glyph.
        ThreadedMaking oneFails(100);
        oneFails.failingOpens = 1;
        oneFails.run.answerOnPost([] {});
        EXPECT_TRUE(oneFails.drawOnThreads(utf16(codes), 3).ok());
        EXPECT_TRUE(oneFails.holdsExactly(codes, 100));
    }

    // Nobody takes the glyphs: once drawn glyphs wait, the stop request alone ends the threads.
    TEST(FontMaking, StopEndsThreadsWhoseGlyphsAreNeverTaken)
    {
        ThreadedMaking making(3000);
        std::atomic<bool> glyphsWait { false };
        making.run.setNotifyHook([&] { glyphsWait = true; });
        std::thread worker([&] {
            making.run.enter();
            EXPECT_TRUE(making.drawOnThreads(utf16(codesFrom(0x41, 3000)), 2).ok());
            making.run.markStopped();
        });
        EXPECT_TRUE(test::waitUntil([&] { return glyphsWait.load(); }));
        making.run.stopAndWait();
        worker.join();
        EXPECT_TRUE(making.holdsExactly({}, 0));
    }

    TEST(FontMaking, ArraysAreClaimedOnlyWhenTheyHoldEveryGlyph)
    {
        // 12 x 16 glyphs: 2 bytes a row, 32 a glyph.
        const struct {
            std::size_t pixelBytes;
            std::size_t codeCount;
            bool claimed;
        } cases[] = {
            { 64, 2, true },
            { 63, 2, false },
            { 64, 1, false },
            { 96, 3, true },
        };
        for (const auto& arrays : cases) {
            Bytes pixels(arrays.pixelBytes, 0xFF);
            Codes codes(arrays.codeCount, 0xFFFF);
            const auto claimed = claimNewFontArrays(pixels, codes, 2, 12, 16);
            ASSERT_EQ(claimed.ok(), arrays.claimed) << arrays.pixelBytes << " " << arrays.codeCount;
            if (claimed) {
                EXPECT_EQ(claimed->glyphBytes, 32u);
                EXPECT_EQ(std::count(pixels.begin(), pixels.end(), 0), 64);
                EXPECT_EQ(codes[0] | codes[1], 0);
            }
        }
        Bytes pixels(32);
        Codes codes(1);
        EXPECT_FALSE(claimNewFontArrays(pixels, codes, 1, 0, 16).ok());
    }

    TEST(FontMaking, CharacterSetsBeyondTheLimitsAreRefusedBeforeReading)
    {
        test::TempDir folder;
        const std::string ordinary = folder.path("ordinary.txt");
        test::writeBytes(ordinary, { 'A', 'B' });
        // A sparse 8-bit file of a million and one units.
        const std::string huge = folder.path("huge.txt");
        test::writeBytes(huge, {});
        std::filesystem::resize_file(huge, (1u << 20) + 1);

        const auto made = openNewFontCharSet(ordinary, 16, 16);
        ASSERT_TRUE(made.ok()) << made.message();
        EXPECT_EQ(made->measure.glyphCount, 2u);
        EXPECT_EQ(openNewFontCharSet(huge, 8, 8).message(),
            "The character set holds 1048577 characters; at most 1048576 are allowed.");
        EXPECT_FALSE(openNewFontCharSet(ordinary, 300, 16).ok());
        EXPECT_EQ(openNewFontCharSet(folder.path("missing.txt"), 16, 16).message(),
            "Cannot open file " + folder.path("missing.txt") + ": No such file or directory");
    }

} // namespace
} // namespace tessellon
