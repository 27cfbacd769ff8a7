#include "creation/CreateFontRun.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

namespace tessellon {
namespace {

    using namespace std::chrono_literals;

    TEST(CreateFontRun, EveryHandOverRunsTheUpdateBeforeTheWorkerGoesOn)
    {
        CreateFontRun run;
        int shared = 0; // written by the worker, read by the update: no lock of its own
        std::vector<int> seen;
        bool inStep = true;
        std::thread worker([&] {
            inStep = run.enter();
            for (int i = 1; i <= 1000 && inStep; ++i) {
                shared = i;
                inStep = run.handOver() && static_cast<int>(seen.size()) == i;
            }
            run.markStopped();
        });
        run.serveUntilStopped([&] { seen.push_back(shared); });
        worker.join();
        EXPECT_TRUE(inStep);
        ASSERT_EQ(seen.size(), 1000u);
        for (int i = 0; i < 1000; ++i) {
            ASSERT_EQ(seen[i], i + 1);
        }
        EXPECT_TRUE(run.hasStopped());
    }

    TEST(CreateFontRun, StopRequestReleasesAWorkerWhoseHandOverIsNeverAnswered)
    {
        CreateFontRun run;
        std::atomic<bool> returned { false };
        bool answered = true;
        std::thread worker([&] {
            run.enter();
            answered = run.handOver();
            returned = true;
            run.markStopped();
        });
        std::this_thread::sleep_for(20ms);
        EXPECT_FALSE(returned);
        run.stopAndWait();
        worker.join();
        EXPECT_FALSE(answered);
        EXPECT_TRUE(run.hasStopped());
    }

    TEST(CreateFontRun, WorkBetweenPostAndAwaitOverlapsTheUpdate)
    {
        CreateFontRun run;
        std::atomic<int> updates { 0 };
        bool inStep = true;
        std::thread worker([&] {
            run.enter();
            for (int i = 1; i <= 200; ++i) {
                const auto ticket = run.post();
                inStep = inStep && ticket == static_cast<std::uint64_t>(i);
                inStep = run.awaitAnswer(ticket) && updates == i && inStep;
            }
            run.markStopped();
        });
        run.serveUntilStopped([&] { ++updates; });
        worker.join();
        EXPECT_TRUE(inStep);
        EXPECT_EQ(updates, 200);
    }

    TEST(CreateFontRun, NothingIsPostedAfterTheStopRequest)
    {
        CreateFontRun run;
        run.requestStop();
        EXPECT_EQ(run.post(), 0u);
        EXPECT_FALSE(run.awaitAnswer(0));
    }

    TEST(CreateFontRun, HandOverAfterTheStopRequestReturnsAtOnce)
    {
        CreateFontRun run;
        int notified = 0;
        run.setNotifyHook([&] { ++notified; });
        run.requestStop();
        EXPECT_FALSE(run.handOver());
        EXPECT_EQ(notified, 0);
    }

    TEST(CreateFontRun, NotifyHookIsCalledOncePerHandOver)
    {
        CreateFontRun run;
        std::atomic<int> notified { 0 };
        run.setNotifyHook([&] { ++notified; });
        std::thread worker([&] {
            run.enter();
            for (int i = 0; i < 3; ++i) {
                run.handOver();
            }
            run.markStopped();
        });
        int updates = 0;
        while (!run.hasStopped()) {
            run.answerPending([&] { ++updates; });
        }
        worker.join();
        EXPECT_EQ(notified, 3);
        EXPECT_EQ(updates, 3);
    }

    TEST(CreateFontRun, AnswerWithNothingPendingRunsNoUpdate)
    {
        CreateFontRun run;
        int updates = 0;
        run.answerPending([&] { ++updates; });
        EXPECT_EQ(updates, 0);
    }

    TEST(CreateFontRun, StopBeforeTheWorkerBeginsMeansItNeverWrites)
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
        std::atomic<bool> lastWriteDone { false };
        std::thread worker([&] {
            while (!run.stopRequested()) {
                std::this_thread::yield();
            }
            std::this_thread::sleep_for(30ms); // finishing the glyph in hand
            lastWriteDone = true;
            run.markStopped();
        });
        run.stopAndWait();
        EXPECT_TRUE(lastWriteDone);
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
        CreateFontRun run;
        std::atomic<int> handOvers { 0 };
        std::thread worker([&] {
            run.enter();
            while (run.handOver()) {
                ++handOvers;
            }
            run.markStopped();
        });
        int updates = 0;
        run.serveUntilStopped([&] {
            if (++updates == 5) {
                run.requestStop();
            }
        });
        worker.join();
        EXPECT_EQ(updates, 5);
        EXPECT_EQ(handOvers, 4);
    }

} // namespace
} // namespace tessellon
