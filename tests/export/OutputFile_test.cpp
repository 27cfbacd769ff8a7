#include "export/OutputFile.h"

#include "TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace tessellon;

TEST(OutputFile, CreatesAMissingFile)
{
    test::TempDir folder;
    const std::string path = folder.path("font.c");
    Result<FileHandle> created = createOutputFile(path);
    ASSERT_TRUE(created) << created.message();
    EXPECT_EQ(std::fputs("x", created->get()), 1);
    EXPECT_TRUE(closeOutputFile(std::move(*created), path));
    EXPECT_EQ(test::readText(path), "x");
}

TEST(OutputFile, TruncatesAnExistingFile)
{
    test::TempDir folder;
    const std::string path = folder.path("font");
    test::writeText(path, "old contents");
    Result<FileHandle> created = createOutputFile(path);
    ASSERT_TRUE(created) << created.message();
    EXPECT_TRUE(closeOutputFile(std::move(*created), path));
    EXPECT_EQ(test::readText(path), "");
}

TEST(OutputFile, CharacterDevicesAreWrittenAsTheyAre)
{
    Result<FileHandle> created = createOutputFile("/dev/null");
    ASSERT_TRUE(created) << created.message();
    EXPECT_EQ(std::fputs("x", created->get()), 1);
    EXPECT_TRUE(closeOutputFile(std::move(*created), "/dev/null"));
}

TEST(OutputFile, WhatCannotBeCreatedSaysWhyAndStaysUntouched)
{
    test::TempDir folder;
    const std::string fifo = folder.path("fifo.c");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::vector<std::pair<std::string, std::string>> cases {
        { folder.root().string(), "Is a directory" },
        { folder.path("missing/font.c"), "No such file or directory" },
        // Opening a FIFO for writing would wait for a reader.
        { fifo, "it is a FIFO (named pipe)" },
    };
    for (const auto& [path, reason] : cases) {
        const Result<FileHandle> created = createOutputFile(path);
        EXPECT_FALSE(created) << path;
        EXPECT_EQ(created.message(), "Cannot create file " + path + ": " + reason);
    }
    // With a reader waiting the opening would not block, but the output would still be lost.
    const int reader = ::open(fifo.c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    EXPECT_EQ(createOutputFile(fifo).message(),
        "Cannot create file " + fifo + ": it is a FIFO (named pipe)");
    ::close(reader);
    EXPECT_TRUE(std::filesystem::is_fifo(fifo));
}

TEST(OutputFile, BytesLostAtClosingSayWhy)
{
    if (!std::filesystem::exists("/dev/full")) {
        GTEST_SKIP() << "no /dev/full here";
    }
    Result<FileHandle> created = createOutputFile("/dev/full");
    ASSERT_TRUE(created) << created.message();
    std::fputs("x", created->get());
    EXPECT_EQ(closeOutputFile(std::move(*created), "/dev/full").message(),
        "Cannot write file /dev/full: No space left on device");
}

TEST(OutputFile, OutputThatIsTheInputUnderAnyNameIsRefused)
{
    test::TempDir folder;
    namespace fs = std::filesystem;
    const std::string font = folder.path("font.pix");
    test::writeText(font, "FT");
    fs::create_hard_link(font, folder.path("hard.pix"));
    fs::create_symlink(font, folder.path("soft.pix"));
    fs::create_directories(folder.path("sub"));
    for (const std::string& output : { font, folder.path("sub/../font.pix"),
             folder.path("./font.pix"), folder.path("hard.pix"), folder.path("soft.pix") }) {
        EXPECT_EQ(checkOutputIsNot(output, font).message(),
            "Cannot create file " + output + ": it is the same file as " + font);
    }
    EXPECT_FALSE(checkOutputIsNot(font, folder.path("soft.pix")));
    test::writeText(folder.path("other.c"), "");
    EXPECT_TRUE(checkOutputIsNot(folder.path("other.c"), font));
    EXPECT_TRUE(checkOutputIsNot(folder.path("new.c"), font));
    EXPECT_EQ(test::readText(font), "FT");
}
