#include "export/DefaultScript.h"
#include "export/ProgramScriptFile.h"
#include "export/ScriptFile.h"

#include "TempDir.h"

#include <gtest/gtest.h>

using namespace tessellon;

namespace {

} // namespace
using Lines = std::vector<std::string>;

TEST(ScriptFile, WritesTheLinesJoinedWithCrLf)
{
    test::TempDir folder;
    const std::string path = folder.path("tessellon.spt");
    const ScriptWriteResult written = writeScriptFile(path, { "int i;", " ", "WRITE(\"x\");" });
    ASSERT_TRUE(written.ok) << written.message;
    EXPECT_EQ(test::readText(path), "int i;\r\n \r\nWRITE(\"x\");");
}

TEST(ScriptFile, DefaultScriptRoundTrips)
{
    test::TempDir folder;
    const std::string path = folder.path("tessellon.spt");
    ASSERT_TRUE(writeScriptFile(path, defaultScript()).ok);
    const std::string bytes = test::readText(path);
    EXPECT_EQ(bytes.substr(0, 16), "int i,unicode;\r\n");
    const std::string ending = "}\r\nWRITE(\"};\\n\");";
    ASSERT_GT(bytes.size(), ending.size());
    EXPECT_EQ(bytes.substr(bytes.size() - ending.size()), ending);
    // Lines 1 and 2 take 14 + 2 + 34 bytes; line 3 holds one space.
    EXPECT_EQ(bytes.find("\r\n \r\n"), 50u);
    const ScriptReadResult read = readScriptFile(path);
    ASSERT_TRUE(read.ok);
    EXPECT_EQ(read.lines, defaultScript());
}

TEST(ScriptFile, ReadsAnyLineEnds)
{
    test::TempDir folder;
    const std::string path = folder.path("mixed.spt");
    test::writeText(path, "a\nb\r\nc\rd\n");
    const ScriptReadResult read = readScriptFile(path);
    ASSERT_TRUE(read.ok);
    EXPECT_EQ(read.lines, (Lines { "a", "b", "c", "d" }));
}

TEST(ScriptFile, EmptyFileGivesNoLinesNotAFailure)
{
    test::TempDir folder;
    const std::string path = folder.path("empty.spt");
    test::writeText(path, "");
    const ScriptReadResult read = readScriptFile(path);
    EXPECT_TRUE(read.ok);
    EXPECT_TRUE(read.lines.empty());
}

TEST(ScriptFile, MissingFileOrFolderCannotBeOpened)
{
    test::TempDir folder;
    const std::string missing = folder.path("missing.spt");
    const ScriptReadResult read = readScriptFile(missing);
    EXPECT_FALSE(read.ok);
    EXPECT_EQ(read.message, "Cannot open file " + missing);
    EXPECT_FALSE(readScriptFile(folder.root().string()).ok);
}

TEST(ScriptFile, WritingOverAFolderFailsWithTheCreateMessage)
{
    test::TempDir folder;
    const ScriptWriteResult written = writeScriptFile(folder.root().string(), { "x" });
    EXPECT_FALSE(written.ok);
    EXPECT_EQ(written.message, "Cannot create file " + folder.root().string());
}

TEST(ScriptFile, WritingReplacesTheOldFileWhole)
{
    test::TempDir folder;
    const std::string path = folder.path("s.spt");
    test::writeText(path, "a much longer old script text\r\nwith two lines");
    ASSERT_TRUE(writeScriptFile(path, { "new" }).ok);
    EXPECT_EQ(test::readText(path), "new");
    ASSERT_TRUE(writeScriptFile(path, {}).ok);
    EXPECT_EQ(test::readText(path), "");
}

TEST(ScriptFile, WritingCreatesAMissingFolder)
{
    test::TempDir folder;
    const std::string path = folder.path("user/data/tessellon.spt");
    ASSERT_TRUE(writeScriptFile(path, { "x" }).ok);
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

TEST(ScriptFile, OverlargeFileIsRefused)
{
    test::TempDir folder;
    const std::string path = folder.path("huge.spt");
    test::writeText(path, std::string(maxScriptFileBytes + 1, 'x'));
    EXPECT_FALSE(readScriptFile(path).ok);
    test::writeText(path, std::string(maxScriptFileBytes, 'x'));
    const ScriptReadResult read = readScriptFile(path);
    ASSERT_TRUE(read.ok);
    ASSERT_EQ(read.lines.size(), 1u);
    EXPECT_EQ(read.lines[0].size(), maxScriptFileBytes);
}
