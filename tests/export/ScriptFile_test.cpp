#include "export/DefaultScript.h"
#include "export/ProgramScriptFile.h"
#include "export/ScriptFile.h"

#include "TempDir.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace tessellon;

using Lines = std::vector<std::string>;

TEST(ScriptFile, WritesTheLinesJoinedWithCrLf)
{
    test::TempDir folder;
    const std::string path = folder.path("tessellon.spt");
    const Status written = writeScriptFile(path, { "int i;", " ", "WRITE(\"x\");" });
    ASSERT_TRUE(written) << written.message();
    EXPECT_EQ(test::readText(path), "int i;\r\n \r\nWRITE(\"x\");");
}

TEST(ScriptFile, DefaultScriptRoundTrips)
{
    test::TempDir folder;
    const std::string path = folder.path("tessellon.spt");
    ASSERT_TRUE(writeScriptFile(path, defaultScript()));
    const std::string bytes = test::readText(path);
    EXPECT_EQ(bytes.substr(0, 16), "int i,unicode;\r\n");
    const std::string ending = "}\r\nWRITE(\"};\\n\");";
    ASSERT_GT(bytes.size(), ending.size());
    EXPECT_EQ(bytes.substr(bytes.size() - ending.size()), ending);
    // Lines 1 and 2 take 14 + 2 + 34 bytes; line 3 holds one space.
    EXPECT_EQ(bytes.find("\r\n \r\n"), 50u);
    const Result<Lines> read = readScriptFile(path);
    ASSERT_TRUE(read) << read.message();
    EXPECT_EQ(*read, defaultScript());
}

TEST(ScriptFile, ReadsAnyLineEnds)
{
    test::TempDir folder;
    const std::string path = folder.path("mixed.spt");
    test::writeText(path, "a\nb\r\nc\rd\n");
    const Result<Lines> read = readScriptFile(path);
    ASSERT_TRUE(read) << read.message();
    EXPECT_EQ(*read, (Lines { "a", "b", "c", "d" }));
}

TEST(ScriptFile, EmptyFileGivesNoLinesNotAFailure)
{
    test::TempDir folder;
    const std::string path = folder.path("empty.spt");
    test::writeText(path, "");
    const Result<Lines> read = readScriptFile(path);
    ASSERT_TRUE(read) << read.message();
    EXPECT_TRUE(read->empty());
}

TEST(ScriptFile, WhatCannotBeReadSaysWhy)
{
    test::TempDir folder;
    const std::string missing = folder.path("missing.spt");
    const std::string fifo = folder.path("fifo.spt");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::vector<std::pair<std::string, std::string>> cases {
        { missing, "Cannot open file " + missing + ": No such file or directory" },
        { folder.root().string(),
            "Cannot open file " + folder.root().string() + ": it is a folder" },
        // Reading a FIFO would wait for a writer that never comes.
        { fifo, "Cannot open file " + fifo + ": it is not a regular file" },
    };
    for (const auto& [path, message] : cases) {
        const Result<Lines> read = readScriptFile(path);
        EXPECT_FALSE(read) << path;
        EXPECT_EQ(read.message(), message);
    }
}

TEST(ScriptFile, WritingOverAFolderFailsWithTheCreateMessage)
{
    test::TempDir folder;
    const Status written = writeScriptFile(folder.root().string(), { "x" });
    EXPECT_FALSE(written);
    EXPECT_EQ(
        written.message(), "Cannot create file " + folder.root().string() + ": it is a folder");
}

TEST(ScriptFile, WritingReplacesTheOldFileWhole)
{
    test::TempDir folder;
    const std::string path = folder.path("s.spt");
    test::writeText(path, "a much longer old script text\r\nwith two lines");
    ASSERT_TRUE(writeScriptFile(path, { "new" }));
    EXPECT_EQ(test::readText(path), "new");
    ASSERT_TRUE(writeScriptFile(path, {}));
    EXPECT_EQ(test::readText(path), "");
}

TEST(ScriptFile, WritingCreatesAMissingFolder)
{
    test::TempDir folder;
    const std::string path = folder.path("user/data/tessellon.spt");
    ASSERT_TRUE(writeScriptFile(path, { "x" }));
    EXPECT_EQ(test::readText(path), "x");
}

TEST(ProgramScriptFile, ProgramFolderWhenFilesCanBeCreatedThere)
{
    test::TempDir program;
    test::TempDir user;
    EXPECT_EQ(
        scriptFileFolder(program.root().string(), user.root().string()), program.root().string());
    EXPECT_EQ(programScriptFilePath(program.root().string(), user.root().string()),
        program.path("tessellon.spt"));
    // The probe leaves nothing behind.
    EXPECT_TRUE(std::filesystem::is_empty(program.root().string()));
}

TEST(ProgramScriptFile, UserDataFolderWhenTheProgramFolderIsNotWritable)
{
    test::TempDir user;
    const std::string missing = user.path("no-such-program-folder");
    EXPECT_FALSE(canCreateFilesIn(missing));
    EXPECT_EQ(scriptFileFolder(missing, user.root().string()), user.root().string());
    EXPECT_EQ(programScriptFilePath(missing, user.root().string()), user.path("tessellon.spt"));
}

TEST(ProgramScriptFile, ReadOnlyProgramFolderIsNotWritable)
{
    test::TempDir program;
    test::TempDir user;
    namespace fs = std::filesystem;
    fs::permissions(program.root().string(), fs::perms::owner_read | fs::perms::owner_exec);
    if (canCreateFilesIn(program.root().string())) {
        fs::permissions(program.root().string(), fs::perms::owner_all);
        GTEST_SKIP() << "folder permissions do not bind this user (root)";
    }
    EXPECT_EQ(
        scriptFileFolder(program.root().string(), user.root().string()), user.root().string());
    fs::permissions(program.root().string(), fs::perms::owner_all);
}

TEST(ProgramScriptFile, InstalledProgramKeepsEachUsersScriptInTheirFolder)
{
    test::TempDir program;
    test::TempDir user;
    const ProgramFolders installed { program.root(), program.root() / "share", true };
    EXPECT_EQ(programScriptFilePath(installed, user.root().string()), user.path("tessellon.spt"));
    const ProgramFolders beside { program.root(), program.root(), false };
    EXPECT_EQ(programScriptFilePath(beside, user.root().string()), program.path("tessellon.spt"));
    // Without a user folder there is nowhere else to keep it.
    EXPECT_EQ(programScriptFilePath(installed, ""), program.path("tessellon.spt"));
}

TEST(ScriptFile, OverlargeFileIsRefused)
{
    test::TempDir folder;
    const std::string path = folder.path("huge.spt");
    test::writeText(path, std::string(maxScriptFileBytes + 1, 'x'));
    EXPECT_EQ(readScriptFile(path).message(),
        "Cannot open file " + path + ": it is larger than 16 MB, the most a script file may hold");
    test::writeText(path, std::string(maxScriptFileBytes, 'x'));
    const Result<Lines> read = readScriptFile(path);
    ASSERT_TRUE(read) << read.message();
    ASSERT_EQ(read->size(), 1u);
    EXPECT_EQ((*read)[0].size(), maxScriptFileBytes);
}
