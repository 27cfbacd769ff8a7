#include "creation/CharSetFolder.h"

#include "TempDir.h"

#include <gtest/gtest.h>

namespace tessellon {
namespace {

    namespace fs = std::filesystem;
    using Names = std::vector<std::string>;

    TEST(CharSetFolder, ListsTxtFilesSortedByNameWithoutRegardToCase)
    {
        test::TempDir program;
        fs::create_directories(program.root() / "txt");
        for (const char* name : { "latin1.txt", "Big5.txt", "ascii.txt", "GB2312.TXT", "notes.md",
                 "txt", "ascii.txt.bak", "a.txtx" }) {
            test::writeBytes((program.root() / "txt" / name).string(), {});
        }
        fs::create_directories(program.root() / "txt" / "folder.txt");
        EXPECT_EQ(listCharSetFiles(program.root()),
            (Names { "ascii.txt", "Big5.txt", "GB2312.TXT", "latin1.txt" }));
    }

    TEST(CharSetFolder, MissingOrEmptyFolderGivesNoName)
    {
        test::TempDir program;
        EXPECT_TRUE(listCharSetFiles(program.root()).empty());
        fs::create_directories(program.root() / "txt");
        EXPECT_TRUE(listCharSetFiles(program.root()).empty());
    }

    TEST(CharSetFolder, PathOfAListedFileLiesInTheTxtFolder)
    {
        EXPECT_EQ(charSetFilePath("/opt/tessellon", "gb2312.txt"),
            (fs::path("/opt/tessellon") / "txt" / "gb2312.txt").string());
    }

    TEST(CharSetFolder, MessageForNoFilesIsTheProgramsOwnText)
    {
        EXPECT_STREQ(noCharSetFilesMessage, "Can not find any .\\txt\\*.txt!");
    }

    // A name is the user's file where it exists or is a path, else a shipped set.
    TEST(CharSetFolder, NamedFilesAreTheUsersBeforeTheShippedOnes)
    {
        test::TempDir data;
        test::TempDir user;
        fs::create_directories(data.root() / "txt");
        for (const char* name : { "ascii.txt", "mine.txt" }) {
            test::writeBytes((data.root() / "txt" / name).string(), {});
        }
        test::writeBytes(user.path("mine.txt"), {});
        const struct {
            std::string given;
            fs::path expected;
        } cases[] = {
            { "mine.txt", user.root() / "mine.txt" },
            { "ascii.txt", data.root() / "txt" / "ascii.txt" },
            { "sub/ascii.txt", user.root() / "sub" / "ascii.txt" },
            { "none.txt", user.root() / "none.txt" },
        };
        for (const auto& c : cases) {
            EXPECT_EQ(findCharSetFile(c.given, user.root(), data.root()), c.expected.string())
                << c.given;
        }
    }

} // namespace
} // namespace tessellon
