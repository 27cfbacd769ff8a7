#include "creation/CreateFontRun.h"

#include "WaitUntil.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

namespace tessellon {
namespace {

    using namespace std::chrono_literals;

    // A font of glyphs of two bytes, filled with a mark that no glyph carries, and a run
    // that stores into it. Glyph k is handed over as code 0x100 + k with the bits k, ~k and
    // done bytes 10 k + 10.
    struct Font {
        explicit Font(std::uint32_t glyphCount)
            : pixels(2 * glyphCount, 0xEE)
            , codes(glyphCount, 0xEEEE)
        {
            run.setFont({ pixels, codes, glyphCount, 2 });
            run.setTotalBytes(10ull * glyphCount + 10);
        }

        static std::uint16_t codeOf(std::uint32_t k)
        {
            return static_cast<std::uint16_t>(0x100 + k);
        }

        bool handOver(std::uint32_t k)
        {
            const std::uint8_t bits[2]
                = { static_cast<std::uint8_t>(k), static_cast<std::uint8_t>(~k) };
            return run.handOver(codeOf(k), bits, 10ull * k + 10);
        }

        bool stored(std::uint32_t k) const
        {
            return codes[k] == codeOf(k) && pixels[2 * k] == static_cast<std::uint8_t>(k)
                && pixels[2 * k + 1] == static_cast<std::uint8_t>(~k);
        }

        // Glyphs 0 to count - 1 stored, the others untouched.
        bool holdsExactly(std::uint32_t count) const
        {
            for (std::uint32_t k = 0; k < codes.size(); ++k) {
                const bool untouched = codes[k] == 0xEEEE && pixels[2 * k] == 0xEE;
                if (k < count ? !stored(k) : !untouched) {
                    return false;
                }
            }
            return true;
        }

        std::vector<std::uint8_t> pixels;
        std::vector<std::uint16_t> codes;
        CreateFontRun run;
    };

    TEST(CreateFontRun, EveryGlyphIsStoredByTheOtherSideBeforeItsUpdate)
    {
        Font font(1000);
        std::thread worker([&] {
            ASSERT_TRUE(font.run.enter());
            for (std::uint32_t k = 0; k < 1000; ++k) {
                ASSERT_TRUE(font.handOver(k));
            }
            EXPECT_TRUE(font.run.finishHandOvers());
            font.run.markStopped();
        });
        std::uint32_t updates = 0;
        bool inStep = true;
        font.run.serveUntilStopped([&] {
            ++updates;
            inStep = inStep && font.run.doneBytes() == 10ull * updates && font.stored(updates - 1)
                && (updates == 1000 || font.codes[updates] == 0xEEEE);
        });
        worker.join();
        EXPECT_EQ(updates, 1000u);
        EXPECT_TRUE(inStep);
        EXPECT_TRUE(font.holdsExactly(1000));
        EXPECT_EQ(font.run.percentDone(), 99); // 10000 of 10010 bytes
        EXPECT_TRUE(font.run.hasStopped());
    }

    TEST(CreateFontRun, WorkerRunsAheadByAtMostOneQueueAndNeverWritesTheFont)
    {
        Font font(1000);
        std::atomic<std::uint32_t> handed { 0 };
        std::thread worker([&] {
            font.run.enter();
            for (std::uint32_t k = 0; k < 1000 && font.handOver(k); ++k) {
                ++handed;
            }
            font.run.markStopped();
        });
        // 256 glyphs of two bytes wait; the worker waits for room. The pause gives a worker
        // that did not wait the time to run on: it can only hide a failure, never make one.
        EXPECT_TRUE(test::waitUntil([&] { return handed >= 256; }));
        std::this_thread::sleep_for(20ms);
        EXPECT_EQ(handed, 256u);
        EXPECT_TRUE(font.holdsExactly(0));
        int updates = 0;
        font.run.answerPending([&] { ++updates; });
        EXPECT_GE(updates, 256);
        EXPECT_TRUE(font.holdsExactly(static_cast<std::uint32_t>(updates)));
        font.run.stopAndWait();
        worker.join();
        EXPECT_TRUE(font.holdsExactly(static_cast<std::uint32_t>(updates)));
    }

    TEST(CreateFontRun, StopRequestReleasesAWorkerThatNobodyServes)
    {
        Font font(1000);
        std::atomic<std::uint32_t> handed { 0 };
        std::atomic<bool> returned { false };
        std::thread worker([&] {
            font.run.enter();
            for (std::uint32_t k = 0; k < 1000 && font.handOver(k); ++k) {
                ++handed;
            }
            returned = true;
            font.run.markStopped();
        });
        // A whole queue waits: the worker waits for room that nobody makes.
        EXPECT_TRUE(test::waitUntil([&] { return handed >= 256; }));
        EXPECT_FALSE(returned);
        font.run.stopAndWait();
        worker.join();
        EXPECT_TRUE(font.holdsExactly(0));
        EXPECT_TRUE(font.run.hasStopped());
    }

    TEST(CreateFontRun, NothingIsTakenAfterTheStopRequest)
    {
        for (std::uint32_t stopAt : { 1u, 5u, 62u }) {
            Font font(62);
            std::uint32_t updates = 0;
            font.run.answerOnPost([&] {
                if (++updates == stopAt) {
                    font.run.requestStop();
                }
            });
            std::uint32_t handed = 0;
            while (handed < 62 && font.handOver(handed)) {
                ++handed;
            }
            EXPECT_EQ(updates, stopAt);
            EXPECT_TRUE(font.holdsExactly(stopAt)) << "stop at " << stopAt;
            EXPECT_EQ(handed, stopAt);
            EXPECT_FALSE(font.handOver(handed));
        }
    }

    TEST(CreateFontRun, HandOverAfterTheStopRequestReturnsAtOnceAndTellsNobody)
    {
        Font font(3);
        int told = 0;
        font.run.setNotifyHook([&] { ++told; });
        font.run.requestStop();
        EXPECT_FALSE(font.handOver(0));
        EXPECT_EQ(told, 0);
        EXPECT_TRUE(font.holdsExactly(0));
    }

    TEST(CreateFontRun, AnswerOnPostTakesEachGlyphAsItIsHandedOver)
    {
        Font font(100);
        std::uint32_t updates = 0;
        font.run.answerOnPost([&] { ++updates; });
        for (std::uint32_t k = 0; k < 100; ++k) {
            ASSERT_TRUE(font.handOver(k));
            ASSERT_EQ(updates, k + 1);
            ASSERT_TRUE(font.stored(k));
        }
        EXPECT_TRUE(font.run.finishHandOvers());
    }

    // The other side is told of a batch of glyphs, not of each: a GUI thread wakes a few
    // hundred times a second at most. A worker slower than that tells of every glyph.
    TEST(CreateFontRun, OtherSideIsToldOfBatchesOfQuickGlyphsAndOfEverySlowOne)
    {
        Font quick(2000);
        int told = 0;
        int updates = 0;
        quick.run.setNotifyHook([&] {
            ++told;
            quick.run.answerPending([&] { ++updates; });
        });
        for (std::uint32_t k = 0; k < 2000; ++k) {
            ASSERT_TRUE(quick.handOver(k));
        }
        EXPECT_TRUE(quick.run.finishHandOvers());
        EXPECT_EQ(updates, 2000);
        EXPECT_LT(told, 200);
        EXPECT_TRUE(quick.holdsExactly(2000));

        Font slow(4);
        int slowTold = 0;
        slow.run.setNotifyHook([&] {
            ++slowTold;
            slow.run.answerPending([] {});
        });
        for (std::uint32_t k = 0; k < 4; ++k) {
            std::this_thread::sleep_for(6ms);
            ASSERT_TRUE(slow.handOver(k));
        }
        EXPECT_EQ(slowTold, 4);
        EXPECT_TRUE(slow.holdsExactly(4));
    }

    TEST(CreateFontRun, FinishWaitsUntilEveryGlyphHasBeenTaken)
    {
        Font font(3);
        std::atomic<bool> taken { false };
        std::atomic<int> handed { 0 };
        bool finished = false;
        std::thread worker([&] {
            font.run.enter();
            for (std::uint32_t k = 0; k < 3; ++k) {
                font.handOver(k);
                ++handed;
            }
            finished = font.run.finishHandOvers();
            EXPECT_TRUE(taken);
            font.run.markStopped();
        });
        EXPECT_TRUE(test::waitUntil([&] { return handed == 3; }));
        taken = true;
        font.run.serveUntilStopped([] {});
        worker.join();
        EXPECT_TRUE(finished);
        EXPECT_TRUE(font.holdsExactly(3));
    }

    TEST(CreateFontRun, AnswerWithNothingWaitingRunsNoUpdate)
    {
        Font font(3);
        int updates = 0;
        font.run.answerPending([&] { ++updates; });
        EXPECT_EQ(updates, 0);
        CreateFontRun withoutFont;
        withoutFont.answerPending([&] { ++updates; });
        EXPECT_EQ(updates, 0);
    }

    TEST(CreateFontRun, StopBeforeTheWorkerBeginsMeansItNeverHandsOver)
    {
        CreateFontRun run;
        run.stopAndWait();
        EXPECT_TRUE(run.hasStopped());
        EXPECT_FALSE(run.enter());
    }

    TEST(CreateFontRun, StopAndWaitReturnsOnlyAfterTheWorkerHasStopped)
    {
        CreateFontRun run;
        ASSERT_TRUE(run.enter());
        std::atomic<bool> lastGlyphDone { false };
        std::thread worker([&] {
            while (!run.stopRequested()) {
                std::this_thread::yield();
            }
            std::this_thread::sleep_for(30ms); // finishing the glyph in hand
            lastGlyphDone = true;
            run.markStopped();
        });
        run.stopAndWait();
        EXPECT_TRUE(lastGlyphDone);
        worker.join();
    }

    TEST(CreateFontRun, ServingEndsWhenTheWorkerStopsWithoutHandOver)
    {
        CreateFontRun run;
        run.enter();
        std::thread worker([&] {
            std::this_thread::sleep_for(10ms);
            run.markStopped();
        });
        int updates = 0;
        run.serveUntilStopped([&] { ++updates; });
        worker.join();
        EXPECT_EQ(updates, 0);
    }

    TEST(CreateFontRun, ServerThatGivesTheStopRequestIsNotAskedAgain)
    {
        Font font(1000);
        std::thread worker([&] {
            font.run.enter();
            for (std::uint32_t k = 0; k < 1000 && font.handOver(k); ++k) { }
            font.run.finishHandOvers();
            font.run.markStopped();
        });
        int updates = 0;
        font.run.serveUntilStopped([&] {
            if (++updates == 5) {
                font.run.requestStop();
            }
        });
        worker.join();
        EXPECT_EQ(updates, 5);
        EXPECT_TRUE(font.holdsExactly(5));
    }

} // namespace
} // namespace tessellon
