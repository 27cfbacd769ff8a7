#include "export/ExportMessages.h"

#include <gtest/gtest.h>

#include <thread>

using namespace tessellon;
using Lines = std::vector<std::string>;

namespace {

constexpr std::size_t limit = ExportMessages::shownLineLimit;

Lines numbered(std::size_t from, std::size_t to)
{
    Lines lines;
    for (std::size_t i = from; i < to; ++i) {
        lines.push_back(std::to_string(i));
    }
    return lines;
}

void addAll(ExportMessages& messages, const Lines& lines)
{
    for (const std::string& line : lines) {
        messages.add(line);
    }
}

} // namespace

TEST(ExportMessages, EachLineIsTakenOnceInOrder)
{
    ExportMessages messages;
    messages.add("Compiling...");
    messages.add("No error");
    EXPECT_EQ(messages.take(), (Lines { "Compiling...", "No error" }));
    EXPECT_TRUE(messages.take().empty());
    messages.add("Run...");
    EXPECT_EQ(messages.takeRest(), (Lines { "Run..." }));
}

TEST(ExportMessages, RunWithinTheLimitIsShownWhole)
{
    ExportMessages messages;
    addAll(messages, numbered(0, limit));
    Lines shown = messages.take();
    const Lines rest = messages.takeRest();
    shown.insert(shown.end(), rest.begin(), rest.end());
    EXPECT_EQ(shown, numbered(0, limit));
}

TEST(ExportMessages, LinesPastTheLimitAreCountedAndTheLastOnesKept)
{
    ExportMessages messages;
    addAll(messages, numbered(0, limit / 2));
    EXPECT_EQ(messages.take().size(), limit / 2);
    addAll(messages, numbered(limit / 2, limit + 100));
    EXPECT_EQ(messages.take(), numbered(limit / 2, limit));

    Lines expected { ExportMessages::leftOutLine(96) };
    const Lines last = numbered(limit + 96, limit + 100);
    expected.insert(expected.end(), last.begin(), last.end());
    EXPECT_EQ(messages.takeRest(), expected);
    EXPECT_EQ(ExportMessages::leftOutLine(96), "(96 more lines not shown)");
}

TEST(ExportMessages, NextRunStartsAfresh)
{
    ExportMessages messages;
    addAll(messages, numbered(0, limit + 10));
    messages.takeRest();
    messages.add("Compiling...");
    addAll(messages, numbered(0, limit - 1));
    EXPECT_EQ(messages.take().size(), limit);
    EXPECT_EQ(messages.takeRest(), Lines {});
}

TEST(ExportMessages, LinesFromAnotherThreadArriveInOrder)
{
    ExportMessages messages;
    std::thread writer([&] { addAll(messages, numbered(0, 3000)); });
    Lines taken;
    while (taken.size() < 3000) {
        const Lines batch = messages.take();
        taken.insert(taken.end(), batch.begin(), batch.end());
    }
    writer.join();
    EXPECT_EQ(taken, numbered(0, 3000));
}
