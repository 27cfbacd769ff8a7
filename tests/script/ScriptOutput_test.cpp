#include "script/FileScriptOutput.h"
#include "script/MemoryScriptOutput.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

using namespace tessellon;

namespace {

std::span<const std::uint8_t> bytesOf(const std::string& text)
{
    return { reinterpret_cast<const std::uint8_t*>(text.data()), text.size() };
}

std::string contents(std::FILE* file)
{
    std::fflush(file);
    std::rewind(file);
    std::string text;
    for (int c = std::fgetc(file); c != EOF; c = std::fgetc(file)) {
        text += static_cast<char>(c);
    }
    return text;
}

} // namespace

TEST(FileScriptOutput, KeepsTheOrderOfSmallAndLargeWrites)
{
    std::FILE* file = std::tmpfile();
    ASSERT_NE(file, nullptr);
    std::string expected;
    {
        FileScriptOutput output(file);
        for (int i = 0; i < 20000; ++i) {
            const std::string piece = "0x" + std::to_string(i % 256) + ",";
            ASSERT_TRUE(output.write(bytesOf(piece)));
            expected += piece;
            if (i % 5000 == 0) {
                const std::string large(70000 + static_cast<std::size_t>(i), 'L');
                ASSERT_TRUE(output.write(bytesOf(large)));
                expected += large;
            }
        }
        EXPECT_TRUE(output.flush());
        EXPECT_EQ(contents(file), expected);
        ASSERT_TRUE(output.write(bytesOf("tail")));
    }
    EXPECT_EQ(contents(file), expected + "tail");
    std::fclose(file);
}

TEST(FileScriptOutput, ReportsAFileThatCannotBeWritten)
{
    std::FILE* full = std::fopen("/dev/full", "wb");
    if (full == nullptr) {
        GTEST_SKIP() << "no /dev/full";
    }
    FileScriptOutput output(full);
    EXPECT_TRUE(output.write(bytesOf("buffered")));
    EXPECT_FALSE(output.flush());
    EXPECT_FALSE(output.write(bytesOf("x")));
    EXPECT_FALSE(output.flush());
    std::fclose(full);
}

TEST(FileScriptOutput, ReportsAWriteLargerThanItsBufferThatFails)
{
    std::FILE* full = std::fopen("/dev/full", "wb");
    if (full == nullptr) {
        GTEST_SKIP() << "no /dev/full";
    }
    std::setvbuf(full, nullptr, _IONBF, 0);
    FileScriptOutput output(full);
    EXPECT_FALSE(output.write(bytesOf(std::string(200000, 'x'))));
    std::fclose(full);
}

TEST(FileScriptOutput, NoFileFailsEveryWrite)
{
    FileScriptOutput output(nullptr);
    EXPECT_FALSE(output.write(bytesOf("a")));
    EXPECT_FALSE(output.flush());
}

TEST(MemoryScriptOutput, RefusesWritesPastItsLimit)
{
    MemoryScriptOutput output(5);
    EXPECT_TRUE(output.write(bytesOf("abc")));
    EXPECT_FALSE(output.write(bytesOf("def")));
    EXPECT_TRUE(output.write(bytesOf("de")));
    EXPECT_EQ(output.text(), "abcde");
}
